#include "topics/choice/options.h"

#include <cmath>

namespace qm {

namespace {

// The integer part of r times count, kept inside 0 .. count - 1.
int placeFor(double r, int count) {
    int j = int(std::floor(r * count));
    if (j < 0) j = 0;
    if (j > count - 1) j = count - 1;
    return j;
}

}  // namespace

QStringList shuffleOptions(QStringList options, const std::function<double()>& rnd, int passes) {
    const int count = int(options.size());
    if (count == 0) return options;
    for (int pass = 0; pass < passes; ++pass) {
        for (int i = 0; i < count; ++i) {
            const int j = placeFor(rnd(), count);
            options.swapItemsAt(i, j);
        }
    }
    return options;
}

std::vector<int> rotation(double r, int count) {
    std::vector<int> rows;
    if (count <= 0) return rows;
    const int start = placeFor(r, count);
    for (int i = 0; i < count; ++i) rows.push_back((start + i) % count);
    return rows;
}

QString numberedLine(int number, const QString& text) {
    return QString::number(number) + QStringLiteral(".  ") + text;
}

QString withoutNumber(const QString& line) { return line.mid(4); }

}  // namespace qm
