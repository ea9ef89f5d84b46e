#include "topics/swap/swap_rules.h"

#include <algorithm>

namespace qm {

QStringList SplitWords(const QString& text) {
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            words << word;
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

namespace {

// How many words the two share at the front, and then at the back of what is left.
std::pair<int, int> sharedEnds(const QStringList& a, const QStringList& b) {
    const int shorter = int(std::min(a.size(), b.size()));
    int front = 0;
    while (front < shorter && a[front] == b[front]) ++front;
    int back = 0;
    while (front + back < shorter && a[a.size() - 1 - back] == b[b.size() - 1 - back]) ++back;
    return {front, back};
}

}  // namespace

WordSpan changedSpan(const QStringList& shown, const QStringList& swapped) {
    const auto [front, back] = sharedEnds(shown, swapped);
    return {front, int(shown.size()) - back};
}

WordSpan swappedInSpan(const QStringList& shown, const QStringList& swapped) {
    const auto [front, back] = sharedEnds(shown, swapped);
    return {front, int(swapped.size()) - back};
}

int nextCandidate(int counter, int count) {
    const int next = counter + 1;
    return next >= count || next < 0 ? 0 : next;
}

}  // namespace qm
