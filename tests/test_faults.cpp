// Every picture and sound the program reads, in turn missing, empty, cut short and replaced
// by garbage: each failure shows only where that file is used. A button face, the board,
// the tick or the cross is left out of its screen; the title, start and menu pictures stop
// the program with a message naming the file; a sound is silent.

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "exercise/exercise_screen.h"
#include "platform/wav.h"
#include "rig.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/titlefrm.h"

using namespace qm;
using namespace qm::test;

namespace {

enum class Damage { Missing, Empty, CutShort, Garbage };

const char* damageName(Damage d) {
    switch (d) {
    case Damage::Missing: return "missing";
    case Damage::Empty: return "empty";
    case Damage::CutShort: return "cut short";
    case Damage::Garbage: return "garbage";
    }
    return "";
}

// A copy of the shipped assets with one file damaged.
struct DamagedAssets {
    DamagedAssets(const QString& relative, Damage damage) {
        const QString from = assetsFolder();
        for (const QString& sub : {QStringLiteral("Images"), QStringLiteral("opening2"), QStringLiteral("wav")}) {
            QDir().mkpath(dir.filePath(sub));
            for (const QString& f : QDir(from + QLatin1Char('/') + sub).entryList(QDir::Files))
                QFile::copy(from + '/' + sub + '/' + f, dir.filePath(sub + '/' + f));
        }
        const QString path = dir.filePath(relative);
        QFile original(path);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        original.close();
        QVERIFY(QFile::remove(path));
        if (damage == Damage::Missing) return;
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (damage == Damage::CutShort) {
            f.write(bytes.left(bytes.size() / 2));
        } else if (damage == Damage::Garbage) {
            QRandomGenerator random(quint32(qHash(relative)));
            QByteArray junk(bytes.size(), '\0');
            for (char& c : junk) c = char(random.bounded(256));
            f.write(junk);
        }
    }
    QTemporaryDir dir;
};

// Where a file shows: a screen fails to open with a fatal message, or a control of every
// exercise screen is left without its picture.
struct Place {
    const char* file;          // below the assets folder
    const char* programPath;   // as the program names it
    const char* fatalOn;       // the first screen that cannot open without it, or nullptr
    const char* preparedControl;  // the shared exercise control it pictures, or nullptr
};

const Place kPictures[] = {
    {"opening2/startl00.jpg", "opening2\\startl00.jpg", "Titlefrm", nullptr},
    {"Images/literacy2.jpg", "Images\\literacy2.jpg", "intro0", nullptr},
    {"Images/logo2.jpg", "Images\\logo2.jpg", "intro0", nullptr},
    {"Images/literacy22.jpg", "Images\\literacy22.jpg", "intro0", nullptr},
    {"Images/exit.jpg", "Images\\exit.jpg", "intro0", "cmdexit"},
    {"Images/next.jpg", "Images\\next.jpg", nullptr, "cmdgo"},
    {"Images/answer.jpg", "Images\\answer.jpg", nullptr, "cmdsoln"},
    {"Images/check.jpg", "images\\check.jpg", nullptr, "cmdcheckit"},
    {"Images/tick.jpg", "images\\tick.jpg", nullptr, "imgtick"},
    {"Images/cross.jpg", "images\\cross.jpg", nullptr, "imgcross"},
    {"Images/BOARD.WMF", "IMAGES\\BOARD.WMF", nullptr, "Image1"},
};

const char* const kShared[] = {"cmdexit", "cmdgo", "cmdsoln", "cmdcheckit", "imgtick", "imgcross", "Image1"};

Picture pictureOf(const Form& s, const char* name) {
    const QString n = QString::fromLatin1(name);
    if (auto* b = s.find<PictureButton>(n)) return b->picture();
    if (auto* p = s.find<PictureBox>(n)) return p->picture();
    if (auto* i = s.find<Image>(n)) return i->picture();
    return {};
}

}  // namespace

class FaultTest : public QObject {
    Q_OBJECT
private slots:
    void pictures_data() {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("damage");
        for (int p = 0; p < int(std::size(kPictures)); ++p)
            for (Damage d : {Damage::Missing, Damage::Empty, Damage::CutShort, Damage::Garbage})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(kPictures[p].file),
                                                                      QLatin1String(damageName(d)))))
                    << p << int(d);
    }

    // The pupil's way from the title to an exercise, with one picture damaged: every screen
    // before the one that needs it works; that one stops the program with a message naming
    // the file; a shared exercise picture only leaves its control bare.
    void pictures() {
        QFETCH(int, place);
        QFETCH(int, damage);
        const Place& p = kPictures[place];
        DamagedAssets assets(QString::fromLatin1(p.file), Damage(damage));
        Rig rig(assets.dir.path());
        const QString fatalOn = p.fatalOn ? QString::fromLatin1(p.fatalOn) : QString();
        const QString expectedTitle = Damage(damage) == Damage::Missing ? QStringLiteral("Run-time error '53'")
                                                                         : QStringLiteral("Run-time error '481'");

        const auto step = [&](const QString& screen, const std::function<void()>& go) -> bool {
            if (screen == fatalOn) {
                bool raised = false;
                try {
                    go();
                } catch (const FatalErrorRaised&) {
                    raised = true;
                }
                [&] {
                    QVERIFY2(raised, qPrintable(screen));
                    QCOMPARE(rig.fatal.title, expectedTitle);
                    QVERIFY2(rig.fatal.message.contains(QString::fromLatin1(p.programPath)),
                             qPrintable(rig.fatal.message));
                    QVERIFY(rig.fatal.message.contains(Damage(damage) == Damage::Missing
                                                           ? QStringLiteral("File not found")
                                                           : QStringLiteral("Invalid picture")));
                }();
                return false;
            }
            go();
            [&] {
                QVERIFY2(rig.fatal.message.isEmpty(), qPrintable(rig.fatal.message));
                QCOMPARE(rig.flow->front(), screen);
            }();
            return true;
        };

        const auto walk = [&]() -> bool {
            if (!step(QStringLiteral("Titlefrm"), [&] { rig.flow->start(); }) || QTest::currentTestFailed())
                return false;
            auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
            if (!step(QStringLiteral("intro0"), [&] { title->Command1->Click(); }) || QTest::currentTestFailed())
                return false;
            auto* start = rig.screen<intro0>(QStringLiteral("intro0"));
            if (!step(QStringLiteral("menu2"), [&] { start->Label2(1)->Click(); }) || QTest::currentTestFailed())
                return false;
            auto* menu = rig.screen<MenuScreen>(QStringLiteral("menu2"));
            return step(QStringLiteral("tenses"), [&] { menu->Label3(1)->Click(); }) && !QTest::currentTestFailed();
        };
        const bool reachedExercise = walk();
        if (QTest::currentTestFailed()) return;
        QCOMPARE(reachedExercise, fatalOn.isEmpty());
        if (!p.preparedControl) return;

        // An exercise screen opens and plays; only the control the file pictures is bare.
        Rig direct(assets.dir.path());
        direct.m.SoundOn = 1;
        auto* s = direct.open<ExerciseScreen>(QStringLiteral("tenses"));
        QVERIFY(s);
        for (const char* name : kShared) {
            const bool damaged = qstrcmp(name, p.preparedControl) == 0;
            QVERIFY2(pictureOf(*s, name).isNull() == damaged, name);
        }
        QCOMPARE(s->cmdgo->Left(), 10020.0);
        QCOMPARE(s->Image1->Width(), 1605.0);
        direct.clock.advance(1);
        direct.quiet();
        s->cmdgo->Click();
        QCOMPARE(direct.sound.played, QStringList{QStringLiteral("wav\\click.wav")});
        QVERIFY(direct.fatal.message.isEmpty());
    }

    // A damaged sound is silent and nothing else happens; the other sounds still load.
    void sounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("damage");
        for (const char* n : {"click", "cash", "boink", "beep", "whizz", "typekey"})
            for (Damage d : {Damage::Missing, Damage::Empty, Damage::CutShort, Damage::Garbage})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(n), QLatin1String(damageName(d)))))
                    << QString::fromLatin1(n) << int(d);
    }
    void sounds() {
        QFETCH(QString, name);
        QFETCH(int, damage);
        const QString file = QStringLiteral("wav/%1.wav").arg(name);
        DamagedAssets assets(file, Damage(damage));
        QFile f(assets.dir.filePath(file));
        if (Damage(damage) == Damage::Missing) {
            QVERIFY(!f.exists());
        } else {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(!parseWav(f.readAll()), "a damaged wave file is refused");
        }
        for (const char* other : {"click", "cash", "boink", "beep", "whizz", "typekey"}) {
            if (name == QLatin1String(other)) continue;
            QFile g(assets.dir.filePath(QStringLiteral("wav/%1.wav").arg(QLatin1String(other))));
            QVERIFY(g.open(QIODevice::ReadOnly));
            QVERIFY2(parseWav(g.readAll()), other);
        }
        RealSoundPlayer player(assets.dir.path());
        const QString path = QStringLiteral("wav\\%1.wav").arg(name);
        for (int i = 0; i < 3; ++i) player.play(path);  // repeated requests stay silent
        QVERIFY(!player.playable(path));
        QCOMPARE(player.soundsLoaded(), 1);
    }
};

QTEST_MAIN(FaultTest)
#include "test_faults.moc"
