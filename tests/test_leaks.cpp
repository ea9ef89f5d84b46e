// Opening and leaving every exercise screen again and again, as a class does over a term:
// memory in use comes back to where it was, round after round. (The sanitizer build runs
// this with the leak checker on; tools/leaks.sh runs it for 10,000 rounds.)

#include <QtTest>
#include <atomic>
#include <cerrno>
#include <malloc.h>

#include "exercise/exercise_screen.h"
#include "rig.h"
#include "shell/menu.h"
#include "topics/catalogue.h"

using namespace qm;
using namespace qm::test;

// Every allocation of the process, counted as it is made and given back, so that the test
// sees the bytes really in use (the allocator's own statistics also count the free blocks
// it keeps at hand). The sanitizer build has an allocator of its own and no count.
#if defined(__SANITIZE_ADDRESS__)
#define QM_COUNTS_ALLOCATIONS 0
#else
#define QM_COUNTS_ALLOCATIONS 1
namespace {
std::atomic<long long> liveBytes{0};
}
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);

void* malloc(size_t n) {
    void* p = __libc_malloc(n);
    if (p) liveBytes += (long long)malloc_usable_size(p);
    return p;
}
void* calloc(size_t n, size_t size) {
    void* p = __libc_calloc(n, size);
    if (p) liveBytes += (long long)malloc_usable_size(p);
    return p;
}
void* realloc(void* old, size_t n) {
    const long long before = old ? (long long)malloc_usable_size(old) : 0;
    void* p = __libc_realloc(old, n);
    if (p) {
        liveBytes += (long long)malloc_usable_size(p) - before;
    } else if (n == 0 && old) {
        liveBytes -= before;
    }
    return p;
}
void* memalign(size_t alignment, size_t n) {
    void* p = __libc_memalign(alignment, n);
    if (p) liveBytes += (long long)malloc_usable_size(p);
    return p;
}
void* aligned_alloc(size_t alignment, size_t n) { return memalign(alignment, n); }
int posix_memalign(void** out, size_t alignment, size_t n) {
    void* p = memalign(alignment, n);
    if (!p) return ENOMEM;
    *out = p;
    return 0;
}
void free(void* p) {
    if (p) liveBytes -= (long long)malloc_usable_size(p);
    __libc_free(p);
}
}
#endif

namespace {

// Bytes handed out and not given back.
qint64 heapInUse() {
#if QM_COUNTS_ALLOCATIONS
    return liveBytes.load();
#else
    return 0;
#endif
}

// What the event loop does between two of the pupil's clicks: paints, and deletes what
// was unloaded.
void settle(Rig& rig) {
    QCoreApplication::processEvents();
    rig.collect();
    rig.quiet();  // the test's own record of sounds would grow
}

// QM_LEAK_SCREENS=basic,notes narrows the rounds to some screens, to find which one holds
// on to memory.
bool wanted(const QString& name) {
    static const QStringList only =
        qEnvironmentVariable("QM_LEAK_SCREENS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    return only.isEmpty() || only.contains(name);
}

// One round: every topic of every menu opened from its menu, played a little, and left.
void round(Rig& rig) {
    for (int menu = 1; menu <= 6; ++menu) {
        auto* m = dynamic_cast<MenuScreen*>(rig.flow->show(QStringLiteral("menu%1").arg(menu)));
        QVERIFY(m);
        for (int topic = 0; topic < 5; ++topic) {
            const ScreenEntry* e = rig.flow->catalogue().topic(menu, topic);
            if (!wanted(e->name)) continue;
            m->Label3_Click(topic);
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
        if (!wanted(QString::fromLatin1(name))) continue;
        auto* s = dynamic_cast<ExerciseScreen*>(rig.flow->show(QString::fromLatin1(name)));
        QVERIFY(s);
        rig.clock.advance(1);
        const QString menu = s->entry().menuName();  // the screen is gone after collect()
        s->cmdexit_Click();
        rig.collect();
        rig.flow->unload(menu);
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
        if (QM_COUNTS_ALLOCATIONS) QVERIFY2(perRound < 256, qPrintable(QString::number(perRound)));
    }
};

QTEST_MAIN(LeakTest)
#include "test_leaks.moc"
