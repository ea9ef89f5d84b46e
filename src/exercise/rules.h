#pragma once
// Small rules of the exercise frame, free of widgets.

#include <QString>
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

// A score or counter as its label shows it: a leading space before zero and positive
// numbers, a minus sign before negative ones (" 3", " 0", "-1").
QString scoreText(int value);

// The number at the start of a label's text, as the score labels are read back: leading
// spaces skipped, an optional sign, then digits; 0 when there is no number.
int scoreValue(const QString& text);

}  // namespace qm
