#include "topics/choice/part_layout.h"

namespace qm {

std::vector<PartPlace> flowParts(const std::vector<double>& widths, double top, const PartFlow& flow) {
    std::vector<PartPlace> places(widths.size(), PartPlace{flow.left, top});
    for (std::size_t j = 1; j < widths.size(); ++j) {
        places[j].left = places[j - 1].left + widths[j - 1] + flow.gap;
        places[j].top = places[j - 1].top;
        if (flow.wraps && places[j].left + widths[j] > flow.margin) {
            places[j].left = flow.left;
            places[j].top = places[j - 1].top + flow.lineStep;
        }
    }
    return places;
}

GapPlaces gapParts(double firstWidth) {
    const double left = 600;
    return {left, left + firstWidth + 150, left + firstWidth + 630};
}

QString joinAtGap(const QString& first, const QString& second, int key) {
    return first + (key == 0 ? QStringLiteral(" - ") : QStringLiteral("-")) + second;
}

}  // namespace qm
