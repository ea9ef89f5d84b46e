#include "platform/random.h"

#include <chrono>

namespace qm {

RealRandom::RealRandom() { Randomize(); }

double RealRandom::Rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void RealRandom::Randomize() {
    engine_.seed(std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double ScriptedRandom::Rnd() {
    ++calls_;
    if (values_.empty()) return 0.0;
    const double v = values_.front();
    values_.pop_front();
    return v;
}

}  // namespace qm
