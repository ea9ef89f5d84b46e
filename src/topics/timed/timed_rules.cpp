#include "topics/timed/timed_rules.h"

#include <climits>

namespace qm {

namespace {

int wrap(long long value, int count) {
    const long long r = value % count;
    return int(r < 0 ? r + count : r);
}

}  // namespace

int nextCategory(VInt counter, int count) {
    if (count <= 0) return 0;
    return wrap(static_cast<long long>(num(counter)) + 1, count);
}

bool stopIsRight(std::optional<int> shown, VInt key) { return shown.has_value() && key.has_value() && *shown == *key; }

int wheelStep(VInt counter) {
    const int c = num(counter);
    return c == INT_MAX ? 0 : c + 1;
}

int wheelMarkIn(int box, VInt counter) { return wrap(static_cast<long long>(box) - num(counter), 8); }

int nextRowInOrder(VInt counter, int rows) {
    const long long n = static_cast<long long>(num(counter)) + 1;
    return (n > rows - 1 || n < 0) ? 0 : int(n);
}

bool windowMatches(const QString& mark, const QString& window) {
    return !mark.isEmpty() && !window.isEmpty() && mark.left(1) == window;
}

SecondPartPlace placeSecondPart(const LineRule& rule, double left, double top, double firstWidth, double secondWidth) {
    const double after = left + firstWidth + rule.gap;
    if (rule.rightLimit && after + secondWidth > *rule.rightLimit) return {left, top + rule.drop, true};
    return {after, top, false};
}

}  // namespace qm
