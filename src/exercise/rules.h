#pragma once
// Small rules of the exercise frame, free of widgets.

#include <optional>

namespace qm {

// The draw: n = integer part of r * N; a draw equal to the last row moves on to the next
// row, wrapping round. Returns nothing for an empty bank.
std::optional<int> drawAvoiding(double r, int N, std::optional<int> last);

// The width of a wipe picture after one more tick, and whether its timer stops there.
struct WipeStep {
    double width;
    bool done;
};
WipeStep wipeStep(double width);

}  // namespace qm
