#include "exercise/rules.h"

#include <cmath>

namespace qm {

std::optional<int> drawAvoiding(double r, int N, std::optional<int> last) {
    if (N <= 0) return std::nullopt;
    int n = int(std::floor(r * N));
    if (n < 0) n = 0;
    if (n > N - 1) n = N - 1;
    if (last == n) n = (n + 1) % N;
    return n;
}

WipeStep wipeStep(double width) {
    const double w = width + 8;
    return {w, w > 735};
}

}  // namespace qm
