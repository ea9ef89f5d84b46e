#pragma once
// The program's one source of random numbers: Rnd() in [0, 1) and Randomize().

#include <deque>
#include <random>

namespace qm {

class Random {
public:
    virtual ~Random() = default;
    virtual double Rnd() = 0;
    // Re-seeds the generator from the system clock.
    virtual void Randomize() = 0;
};

class RealRandom final : public Random {
public:
    RealRandom();
    double Rnd() override;
    void Randomize() override;

private:
    std::mt19937_64 engine_;
};

// Returns the values a test queued, in order; 0 once they run out.
class ScriptedRandom final : public Random {
public:
    void push(double value) { values_.push_back(value); }
    template <typename... T> void script(T... values) { (push(double(values)), ...); }
    double Rnd() override;
    void Randomize() override { ++reseeds_; }
    int reseeds() const { return reseeds_; }
    int calls() const { return calls_; }
    std::size_t pending() const { return values_.size(); }

private:
    std::deque<double> values_;
    int reseeds_ = 0;
    int calls_ = 0;
};

}  // namespace qm
