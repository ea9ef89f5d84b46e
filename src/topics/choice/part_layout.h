#pragma once
// Where the parts of a cut-up sentence go: left to right from one left edge, each part
// starting where the one before it ends, and a part that would run past the right margin
// starting a new line lower down. Free of widgets: the screens hand in the widths of
// their part labels and move the labels to the places returned.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace qm {

struct PartFlow {
    double left = 240;          // where the first part and every new line start
    double gap = 120;           // space between one part and the next
    bool wraps = true;          // a part past the margin goes to a new line
    double margin = 10000;      // the right edge a part may not pass
    double lineStep = 750;      // how much lower a new line starts
};

struct PartPlace {
    double left;
    double top;
};

// Places parts of the given widths, all starting at `top`. A part that wraps starts at
// the left edge one line below the part before it, and the parts after it go on from
// that line.
std::vector<PartPlace> flowParts(const std::vector<double>& widths, double top, const PartFlow& flow);

// The two parts either side of a gap marker: the first part at 600, the marker 150
// after its end, the second part 630 after its end. No wrapping.
struct GapPlaces {
    double first;
    double marker;
    double second;
};
GapPlaces gapParts(double firstWidth);

// The sentence with its gap filled: " - " for a dash (key 0), "-" for a hyphen (key 1).
QString joinAtGap(const QString& first, const QString& second, int key);

}  // namespace qm
