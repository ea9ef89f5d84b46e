// Figures for the real build, printed, never asserted: start to title screen painted, a
// topic click to its exercise painted, the slowest single event during a robustness run,
// the first sound request, the re-flow of the longest word row, peak memory, and CPU use
// while a screen sits idle. Beside them, the same figures for a window holding one label,
// the floor any Qt program stands on (qm_floor, built beside this program).
//   qm_bench            all figures (tools/bench.sh builds and runs it)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

#include "exercise/exercise_screen.h"
#include "event_timing.h"
#include "monkey.h"
#include "rig.h"
#include "shell/menu.h"
#include "topics/drag/word_drag.h"
#include "topics/catalogue.h"
#include "worksheets/worksheet.h"

using namespace qm;
using namespace qm::test;

namespace {

// ------------------------------------------------------------------ a started program

struct Started {
    double paintedMs = -1;   // from start to the first screen painted
    double peakMiB = -1;     // peak resident memory once painted and settled
    double idleCpuPercent = -1;
};

double cpuSeconds(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (fields[11].toDouble() + fields[12].toDouble()) / ticks;  // utime, stime
}

double peakMiB(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

Started startAndWatch(const QString& program, const QStringList& args, const QByteArray& paintedLine,
                      bool measureIdle) {
    Started result;
    QTemporaryDir elsewhere;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLMARK_TRACE"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(elsewhere.path());
    QElapsedTimer clock;
    clock.start();
    p.start(program, args);
    if (!p.waitForStarted(10000)) return result;
    QByteArray err;
    while (!err.contains(paintedLine) && clock.elapsed() < 30000 && p.state() == QProcess::Running) {
        p.waitForReadyRead(5);
        err += p.readAllStandardError();
    }
    if (err.contains(paintedLine)) result.paintedMs = double(clock.nsecsElapsed()) / 1e6;
    QEventLoop wait;
    QTimer::singleShot(500, &wait, &QEventLoop::quit);
    wait.exec();
    result.peakMiB = peakMiB(p.processId());
    if (measureIdle) {
        const double before = cpuSeconds(p.processId());
        QElapsedTimer span;
        span.start();
        QTimer::singleShot(3000, &wait, &QEventLoop::quit);
        wait.exec();
        const double after = cpuSeconds(p.processId());
        result.idleCpuPercent = 100.0 * (after - before) / (double(span.elapsed()) / 1000.0);
    }
    p.terminate();
    if (!p.waitForFinished(10000)) p.kill();
    return result;
}

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// ------------------------------------------------------------------ in this process

// A topic click on its menu until the exercise has its first question and has painted.
std::pair<double, QString> topicToPainted(std::vector<double>& all) {
    Rig rig;
    rig.m.SoundOn = 0;
    double worst = 0;
    QString worstName;
    for (int menu = 1; menu <= 6; ++menu) {
        for (int topic = 0; topic < 5; ++topic) {
            const ScreenEntry* e = rig.flow->catalogue().topic(menu, topic);
            if (!e) continue;
            auto* m = dynamic_cast<MenuScreen*>(rig.flow->show(QStringLiteral("menu%1").arg(menu)));
            if (!m) continue;
            m->repaint();
            for (int round = 0; round < 5; ++round) {
                QElapsedTimer t;
                t.start();
                m->Label3_Click(topic);
                rig.clock.advance(1);  // the bank fill and the first question
                Form* s = rig.flow->screen(e->name);
                if (s) s->repaint();
                const double ms = double(t.nsecsElapsed()) / 1e6;
                all.push_back(ms);
                if (ms > worst) {
                    worst = ms;
                    worstName = e->name;
                }
                if (auto* x = dynamic_cast<ExerciseScreen*>(s)) x->cmdexit_Click();
                rig.collect();
            }
            rig.flow->unload(m->Name());
            rig.collect();
        }
    }
    return {worst, worstName};
}

// Every row of every word-drag screen laid out, then re-flowed from its first tile (as
// after a drop on the first word) and painted; the slowest, and the longest row's.
struct ReflowFigures {
    double slowestMs = 0;
    QString slowestRow;
    double longestRowMs = 0;
    int longestWords = 0;
    QString longestScreen;
};

ReflowFigures reflow() {
    ReflowFigures f;
    Rig rig;
    rig.m.SoundOn = 0;
    for (const char* name : {"basic", "notes", "conv", "negative", "noun", "noun2"}) {
        auto* s = dynamic_cast<DragScreen*>(rig.flow->show(QString::fromLatin1(name)));
        if (!s) continue;
        rig.clock.advance(1);
        if (!QTest::qWaitForWindowExposed(s)) std::fprintf(stderr, "qm_bench: %s was never shown\n", name);
        // The bank as the screen filled it on its first tick.
        for (int q = 0; q < 100 && !rig.m.QuestionBank[q].isEmpty(); ++q) {
            const QString sentence = rig.m.QuestionBank[q];
            s->tiles.clear();
            s->tiles.fill(sentence, rig.m.AnswerBank[q]);
            s->tiles.layOut(s->flow(), false);
            s->tiles.showTiles();
            s->repaint();
            double best = 1e9;
            for (int round = 0; round < 5; ++round) {
                // Every tile lies elsewhere, as if each had been let go loose.
                for (int i = 0; i < s->tiles.Label7.count(); ++i) s->tiles.Label7.at(i).setTop(300.0 + 15.0 * i);
                s->repaint();
                QElapsedTimer t;
                t.start();
                s->tiles.reflowFrom(0, s->flow());
                s->repaint();
                best = std::min(best, double(t.nsecsElapsed()) / 1e6);
            }
            if (best > f.slowestMs) {
                f.slowestMs = best;
                f.slowestRow = QString::fromLatin1(name);
            }
            const int words = wordCount(sentence);
            if (words > f.longestWords) {
                f.longestWords = words;
                f.longestRowMs = best;
                f.longestScreen = QString::fromLatin1(name);
            }
        }
        rig.flow->unload(s->Name());
        rig.collect();
    }
    return f;
}

struct SoundFigures {
    double coldMs = -1;            // a first request with nothing made ready
    double readySlowestStepMs = -1;  // the longest step of getting ready after the title
    double firstMs = -1, secondMs = -1;
    bool playable = false;
};

SoundFigures firstSound() {
    SoundFigures f;
    const QStringList files = soundsReadEarly();
    QElapsedTimer t;
    {
        RealSoundPlayer cold(assetsFolder());
        t.start();
        cold.play(files[0]);
        f.coldMs = double(t.nsecsElapsed()) / 1e6;
    }
    // As the program does once its title screen is up.
    RealSoundPlayer player(assetsFolder());
    TimedApplication* timed = TimedApplication::instance();
    timed->resetSlowest();
    player.prepare(files);
    t.restart();
    while (player.soundsLoaded() < files.size() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    f.readySlowestStepMs = timed->slowestMs();
    t.restart();
    player.play(files[0]);
    f.firstMs = double(t.nsecsElapsed()) / 1e6;
    f.playable = player.playable(files[0]);
    t.restart();
    player.play(files[1]);
    f.secondMs = double(t.nsecsElapsed()) / 1e6;
    return f;
}

// An exercise screen at rest on the real clock: no timer may run, and no CPU be used.
std::pair<double, int> idleExercise() {
    RealClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    PictureStore pictures(assetsFolder());
    RecordingWebLauncher web;
    FakeDesktop desktop;
    RecordingFatalReporter fatal;
    RecordingSession session;
    Module1 m({clock, random, sound, pictures, web, desktop, fatal, session});
    ScreenFlow flow(m, topicCatalogue());
    Form* s = flow.show(QStringLiteral("tenses"));
    QEventLoop wait;
    QTimer::singleShot(1000, &wait, &QEventLoop::quit);  // the fill and the first question
    wait.exec();
    int running = 0;
    for (const auto& t : s->timers()) running += t->Enabled() ? 1 : 0;
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer span;
    span.start();
    QTimer::singleShot(3000, &wait, &QEventLoop::quit);
    wait.exec();
    getrusage(RUSAGE_SELF, &after);
    const auto secs = [](const timeval& tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    const double cpu = secs(after.ru_utime) - secs(before.ru_utime) + secs(after.ru_stime) - secs(before.ru_stime);
    return {100.0 * cpu / (double(span.elapsed()) / 1000.0), running};
}

// All thirty worksheets of ten questions, with their answer sheets, drawn, laid out and
// written as one PDF: the median of five, and the pages and bytes of the file.
struct WorksheetFigures {
    double ms = -1;
    int pages = 0;
    qint64 bytes = 0;
};

WorksheetFigures allWorksheets() {
    WorksheetFigures figures;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("all.pdf"));
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        QRandomGenerator rng{quint32(i)};
        QList<Sheet> sheets;
        for (const ScreenEntry* e : printableExercises(topicCatalogue()))
            sheets << drawSheet(*e, e->rows->builtIn(), 10, rng);
        const WorksheetResult result = writeWorksheets(sheets, true, file);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        figures.pages = int(result.pages.pages.size());
    }
    std::sort(times.begin(), times.end());
    figures.ms = times[times.size() / 2];
    figures.bytes = QFileInfo(file).size();
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    TimedApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--reflow") == 0) {  // that figure alone
        const ReflowFigures flow = reflow();
        std::printf("re-flow of the longest drag row, painted: %.2f ms (%d words, %s); slowest %.2f ms (%s)\n",
                    flow.longestRowMs, flow.longestWords, qPrintable(flow.longestScreen), flow.slowestMs,
                    qPrintable(flow.slowestRow));
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--worksheets") == 0) {  // that figure alone
        useProgramFonts();
        const WorksheetFigures w = allWorksheets();
        std::printf("all thirty worksheets with answers, as a PDF: %.0f ms (%d pages, %lld KiB)\n", w.ms, w.pages,
                    w.bytes / 1024);
        return 0;
    }
    const QString program = qEnvironmentVariable("QM_EXECUTABLE");
    const int runs = 7;

    std::vector<double> oursMs, floorMs, oursMiB, floorMiB;
    Started oursIdle, floorIdle;
    for (int i = 0; i < runs; ++i) {
        const Started ours = startAndWatch(program, {}, "quillmark: painted Titlefrm", i == runs - 1);
        const Started bare = startAndWatch(QCoreApplication::applicationDirPath() + QStringLiteral("/qm_floor"), {},
                                           "floor: painted", i == runs - 1);
        oursMs.push_back(ours.paintedMs);
        floorMs.push_back(bare.paintedMs);
        oursMiB.push_back(ours.peakMiB);
        floorMiB.push_back(bare.peakMiB);
        if (i == runs - 1) {
            oursIdle = ours;
            floorIdle = bare;
        }
    }

    std::vector<double> opens;
    const auto [worstOpen, worstOpenName] = topicToPainted(opens);

    Monkey monkey(11);
    monkey.run(20000);
    const MonkeyFindings& f = monkey.findings();

    const ReflowFigures flow = reflow();
    const SoundFigures sound = firstSound();
    const auto [idleCpu, idleTimers] = idleExercise();
    useProgramFonts();
    const WorksheetFigures sheets = allWorksheets();

    std::printf("Quillmark figures (median of %d starts; platform %s)\n\n", runs, qPrintable(app.platformName()));
    std::printf("%-52s %12s %12s\n", "", "Quillmark", "one label");
    std::printf("%-52s %9.1f ms %9.1f ms   (%.2f x)\n", "start to first screen painted", median(oursMs), median(floorMs),
                median(oursMs) / median(floorMs));
    std::printf("%-52s %8.1f MiB %8.1f MiB   (+%.1f MiB)\n", "peak resident memory once painted", median(oursMiB),
                median(floorMiB), median(oursMiB) - median(floorMiB));
    std::printf("%-52s %10.2f %% %10.2f %%\n", "CPU at rest on the first screen (3 s)", oursIdle.idleCpuPercent,
                floorIdle.idleCpuPercent);
    std::printf("\n%-52s %9.2f ms (median %.2f ms, %zu opens)\n", "topic click to exercise painted, slowest",
                worstOpen, median(opens), opens.size());
    std::printf("%-52s %s\n", "  slowest topic", qPrintable(worstOpenName));
    std::printf("%-52s %9.2f ms (%s)\n", "slowest event of 20,000 in a robustness run", f.slowestEventMs,
                qPrintable(f.slowestEvent));
    std::printf("%-52s %9d\n", "  events over one frame (16 ms)", int(f.slowEvents.size()));
    for (const QString& slow : f.slowEvents) std::printf("    %s\n", qPrintable(slow));
    std::printf("%-52s %9.2f ms (%d words, %s)\n", "re-flow of the longest drag row, painted", flow.longestRowMs,
                flow.longestWords, qPrintable(flow.longestScreen));
    std::printf("%-52s %9.2f ms (%s)\n", "  slowest re-flow of any drag row", flow.slowestMs, qPrintable(flow.slowestRow));
    std::printf("%-52s %9.2f ms (%s)\n", "getting sounds ready, slowest step", sound.readySlowestStepMs,
                sound.playable ? "an audio device took them" : "no audio device: silent");
    std::printf("%-52s %9.2f ms then %.2f ms\n", "first sound request, then the next", sound.firstMs, sound.secondMs);
    std::printf("%-52s %9.2f ms\n", "  the same first request, nothing made ready", sound.coldMs);
    std::printf("%-52s %10.2f %% (%d timers running)\n", "CPU at rest on an exercise screen (3 s)", idleCpu, idleTimers);
    std::printf("%-52s %lld broken invariants\n", "robustness run", f.brokenCount);
    std::printf("%-52s %9.0f ms (%d pages, %lld KiB)\n", "all thirty worksheets with answers, as a PDF", sheets.ms,
                sheets.pages, sheets.bytes / 1024);
    return 0;
}
