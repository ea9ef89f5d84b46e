// Opening and leaving every exercise screen again and again, as a class does over a term:
// memory in use comes back to where it was, round after round. (The sanitizer build runs
// this with the leak checker on; tools/leaks.sh runs it for 10,000 rounds.)

#include <QtTest>
#include <malloc.h>

#include "exercise/exercise_screen.h"
#include "rig.h"
#include "shell/menu.h"
#include "topics/catalogue.h"

using namespace qm;
using namespace qm::test;

namespace {

// Bytes the allocator has handed out and not had back.
qint64 heapInUse() { return qint64(mallinfo2().uordblks); }

// What the event loop does between two of the pupil's clicks: paints, and deletes what
// was unloaded.
void settle(Rig& rig) {
    QCoreApplication::processEvents();
    rig.collect();
    rig.quiet();  // the test's own record of sounds would grow
}

// One round: every topic of every menu opened from its menu, played a little, and left.
void round(Rig& rig) {
    for (int menu = 1; menu <= 6; ++menu) {
        auto* m = dynamic_cast<MenuScreen*>(rig.flow->show(QStringLiteral("menu%1").arg(menu)));
        QVERIFY(m);
        for (int topic = 0; topic < 5; ++topic) {
            m->Label3_Click(topic);
            const ScreenEntry* e = rig.flow->catalogue().topic(menu, topic);
            auto* s = dynamic_cast<ExerciseScreen*>(rig.flow->screen(e->name));
            QVERIFY(s);
            rig.clock.advance(1);      // the bank and the first question
            s->cmdgo->Click();         // another question (hidden on some screens: no effect)
            rig.clock.advance(1200);   // timers of whatever started
            s->cmdexit_Click();
            settle(rig);
        }
        rig.flow->unload(m->Name());
        settle(rig);
    }
    // The two screens no menu opens.
    for (const char* name : {"hyphen", "punc1"}) {
        auto* s = dynamic_cast<ExerciseScreen*>(rig.flow->show(QString::fromLatin1(name)));
        QVERIFY(s);
        rig.clock.advance(1);
        s->cmdexit_Click();
        rig.collect();
        rig.flow->unload(s->entry().menuName());
        settle(rig);
    }
}

}  // namespace

class LeakTest : public QObject {
    Q_OBJECT
private slots:
    void everyScreenOpenedAndLeftAgainAndAgain() {
        const int rounds = std::max(24, qEnvironmentVariableIntValue("QM_LEAK_ROUNDS"));
        Rig rig;
        rig.m.SoundOn = 1;
        for (int i = 0; i < 4; ++i) round(rig);  // caches of fonts and pictures fill up
        if (QTest::currentTestFailed()) return;
        const qint64 warm = heapInUse();
        qint64 last = warm;
        for (int i = 4; i < rounds; ++i) {
            round(rig);
            if (QTest::currentTestFailed()) return;
            if (rounds >= 100 && i % (rounds / 10) == 0) {
                last = heapInUse();
                qInfo("round %d: %lld bytes in use (%+lld since warm)", i, last, last - warm);
            }
        }
        last = heapInUse();
        const double perRound = double(last - warm) / double(rounds - 4);
        qInfo("%d rounds of 32 screens: %+lld bytes in use since warm, %.1f bytes a round", rounds, last - warm,
              perRound);
        // A screen that kept anything of itself would leave kilobytes a round behind.
        if (mallinfo2().arena > 0) QVERIFY2(perRound < 512, qPrintable(QString::number(perRound)));
    }
};

QTEST_MAIN(LeakTest)
#include "test_leaks.moc"
