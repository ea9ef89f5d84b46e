#include "platform/clock.h"

#include <QTimer>
#include <algorithm>

namespace qm {

int realIntervalMs(int intervalMs) {
    // 1000 / 64 = 15.625 ms; round the short intervals up to whole milliseconds.
    return intervalMs < 16 ? 16 : intervalMs;
}

namespace {

class RealHandle final : public TimerHandle {
public:
    explicit RealHandle(std::function<void()> onTick) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [cb = std::move(onTick)] { cb(); });
    }
    void start(int intervalMs) override { timer_.start(realIntervalMs(intervalMs)); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<TimerHandle> RealClock::makeTimer(std::function<void()> onTick) {
    return std::make_unique<RealHandle>(std::move(onTick));
}

struct ManualClock::Entry {
    std::function<void()> onTick;
    bool running = false;
    int interval = 0;
    long long due = 0;
    long long order = 0;  // breaks ties between timers due at the same moment
};

class ManualClock::Handle final : public TimerHandle {
public:
    Handle(ManualClock& clock, std::shared_ptr<Entry> entry) : clock_(clock), entry_(std::move(entry)) {}
    ~Handle() override {
        entry_->running = false;
        auto& list = clock_.entries_;
        list.erase(std::remove(list.begin(), list.end(), entry_), list.end());
    }
    void start(int intervalMs) override {
        entry_->running = true;
        entry_->interval = std::max(1, intervalMs);
        entry_->due = clock_.now_ + entry_->interval;
        entry_->order = clock_.sequence_++;
    }
    void stop() override { entry_->running = false; }

private:
    ManualClock& clock_;
    std::shared_ptr<Entry> entry_;
};

std::unique_ptr<TimerHandle> ManualClock::makeTimer(std::function<void()> onTick) {
    auto entry = std::make_shared<Entry>();
    entry->onTick = std::move(onTick);
    entries_.push_back(entry);
    return std::make_unique<Handle>(*this, entry);
}

int ManualClock::running() const {
    return int(std::count_if(entries_.begin(), entries_.end(), [](const auto& e) { return e->running; }));
}

void ManualClock::advance(long long ms) {
    const long long end = now_ + ms;
    for (;;) {
        std::shared_ptr<Entry> next;
        for (const auto& e : entries_) {
            if (!e->running || e->due > end) continue;
            if (!next || e->due < next->due || (e->due == next->due && e->order < next->order)) next = e;
        }
        if (!next) break;
        now_ = next->due;
        next->due += next->interval;
        next->order = sequence_++;
        auto keep = next;  // the handler may destroy the timer that fired
        keep->onTick();
    }
    now_ = end;
}

}  // namespace qm
