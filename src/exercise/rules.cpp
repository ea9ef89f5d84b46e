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

QString scoreText(int value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

int scoreValue(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
        while (i < n && text[i] == QLatin1Char(' ')) ++i;
    }
    long long value = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 1000000000) break;  // no score gets near this; keeps the sum in range
        ++i;
    }
    return int(negative ? -value : value);
}

}  // namespace qm
