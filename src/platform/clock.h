#pragma once
// Time for the program's timers. Every Timer control runs on one Clock: the real one
// uses Qt timers, the manual one is advanced by tests.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace qm {

// One repeating timer: fires every interval milliseconds while started.
class TimerHandle {
public:
    virtual ~TimerHandle() = default;
    // (Re)starts the count: the first tick comes one interval from now.
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<TimerHandle> makeTimer(std::function<void()> onTick) = 0;
};

// The platform timer the program was designed for ticks 64 times a second, so intervals
// shorter than one such tick last one tick; this keeps the 1 ms wipes visible.
int realIntervalMs(int intervalMs);

class RealClock final : public Clock {
public:
    std::unique_ptr<TimerHandle> makeTimer(std::function<void()> onTick) override;
};

// Time that only moves when a test says so.
class ManualClock final : public Clock {
public:
    std::unique_ptr<TimerHandle> makeTimer(std::function<void()> onTick) override;

    // Moves time forward by ms, firing every due tick in time order, one handler at a time.
    void advance(long long ms);
    long long now() const { return now_; }
    // Number of timers currently started.
    int running() const;

private:
    struct Entry;
    class Handle;
    friend class Handle;
    long long now_ = 0;
    long long sequence_ = 0;
    std::vector<std::shared_ptr<Entry>> entries_;
};

}  // namespace qm
