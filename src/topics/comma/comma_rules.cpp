#include "topics/comma/comma_rules.h"

#include "exercise/rules.h"

namespace qm {

bool commaDecisionRight(int chosen, const QString& word, const QString& key) {
    const bool needsComma = word != key;
    return chosen == kCommaBox ? needsComma : !needsComma;
}

int wordTotal(const QStringList& tiles) {
    for (int k = 0; k < int(tiles.size()); ++k)
        if (tiles[k].isEmpty()) return k;
    return int(tiles.size());
}

bool sentenceFinished(const QStringList& tiles, int pos) {
    return pos < 0 || pos >= int(tiles.size()) || tiles[pos].isEmpty();
}

QString commaInstruction(int total) {
    return QStringLiteral("Work out which of the") + scoreText(total) +
           QStringLiteral(" words in the sentence below should be followed by a comma.");
}

QString commaScoreLine(int score, int total) {
    return scoreText(score) + QStringLiteral(" out of") + scoreText(total);
}

}  // namespace qm
