// The long robustness run: a restless pupil for many events (a million by default),
// printing how fast it went and what it found.
//   qm_monkey [events] [first seed] [seeds]

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "event_timing.h"
#include "monkey.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qm::test::TimedApplication app(argc, argv);
    const long long events = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const quint64 first = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int seeds = argc > 3 ? std::atoi(argv[3]) : 10;
    const long long perSeed = std::max(1LL, events / std::max(1, seeds));

    QElapsedTimer clock;
    clock.start();
    qm::test::MonkeyFindings total;
    long long broken = 0;
    double slowestMs = 0;
    QString slowest;
    for (int i = 0; i < seeds; ++i) {
        const quint64 seed = first + quint64(i);
        qm::test::Monkey monkey(seed);
        for (long long done = 0; done < perSeed; done += 10000) {
            monkey.run(std::min(10000LL, perSeed - done));
            app.processEvents();  // lets deferred deletions and window updates happen
        }
        const auto& f = monkey.findings();
        total.events += f.events;
        total.checks += f.checks;
        total.runsEnded += f.runsEnded;
        for (auto it = f.kinds.begin(); it != f.kinds.end(); ++it) total.kinds[it.key()] += it.value();
        for (auto it = f.screens.begin(); it != f.screens.end(); ++it) total.screens[it.key()] += it.value();
        broken += f.brokenCount;
        for (const QString& b : f.broken) std::printf("BROKEN %s\n", qPrintable(b));
        for (const QString& slow : f.slowEvents) std::printf("slow %s\n", qPrintable(slow));
        if (f.slowestEventMs > slowestMs) {
            slowestMs = f.slowestEventMs;
            slowest = f.slowestEvent;
        }
        std::printf("seed %llu: %lld events, %lld broken, %.0f events/s so far\n", (unsigned long long)seed, f.events,
                    f.brokenCount, total.events / std::max(0.001, clock.elapsed() / 1000.0));
        std::fflush(stdout);
    }
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("\n%lld events in %.1f s: %.0f events per second; %lld checks; %lld runs ended and restarted\n",
                total.events, seconds, total.events / std::max(0.001, seconds), total.checks, total.runsEnded);
    std::printf("events:");
    for (auto it = total.kinds.begin(); it != total.kinds.end(); ++it)
        std::printf(" %s %d;", qPrintable(it.key()), it.value());
    std::printf("\nexercise screens opened: %d different, %d times\n", int(total.screens.size()),
                [&] { int n = 0; for (int v : total.screens) n += v; return n; }());
    std::printf("slowest event: %.1f ms (%s)\n", slowestMs, qPrintable(slowest));
    std::printf("broken invariants: %lld\n", broken);
    return broken == 0 ? 0 : 1;
}
