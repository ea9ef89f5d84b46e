#pragma once
// The three speed options of the screens whose box or wheel steps on by itself: "Fast",
// "Medium" (selected when the screen opens) and "Slow". The stepping timer reads them at
// every step and takes its next interval from them.

#include <array>
#include <optional>

#include "controls/form.h"

namespace qm {

struct SpeedOptions {
    OptionButton* Option1 = nullptr;  // "Fast"
    OptionButton* Option2 = nullptr;  // "Medium"
    OptionButton* Option3 = nullptr;  // "Slow"

    // Makes the three options at Left `left` and the three Tops given, 1455 × 255 each,
    // yellow bold Times New Roman 15.75 pt, "Medium" selected.
    static SpeedOptions make(Form& form, double left, const std::array<double, 3>& tops, bool visible);

    // The options sit on the screen's own colour.
    void setBackColor(const QColor& c) const;
    void setVisible(bool v) const;

    // The interval the selected option gives, in milliseconds, from {fast, medium, slow};
    // nothing when no option is selected.
    std::optional<int> interval(const std::array<int, 3>& ms) const;
};

// The rule on its own: which of fast, medium and slow is selected, and the intervals.
std::optional<int> speedInterval(bool fast, bool medium, bool slow, const std::array<int, 3>& ms);

}  // namespace qm
