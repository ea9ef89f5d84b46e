#pragma once
// The rules of the word-by-word comma screens, free of widgets: whether a decision on the
// word in red is right, how many words a sentence has, when it is finished, and the
// texts of the instruction and the score line.

#include <QString>
#include <QStringList>

namespace qm {

// The two answer boxes.
enum CommaBox { kCommaBox = 0, kNoCommaBox = 1 };

// A word needs a comma when its key says anything else (exact comparison); "COMMA" is
// right for such a word, "NO COMMA" for a word whose key is the word itself.
bool commaDecisionRight(int chosen, const QString& word, const QString& key);

// The number of words of a sentence laid out in its tiles: the first empty tile ends the
// sentence; with no empty tile every tile holds a word.
int wordTotal(const QStringList& tiles);

// Whether the sentence is finished once the red mark has moved to slot `pos`: past the
// last tile, or on an empty one.
bool sentenceFinished(const QStringList& tiles, int pos);

// "Work out which of the 12 words in the sentence below should be followed by a comma."
QString commaInstruction(int total);

// The score line: " 3 out of 12", "-1 out of 12".
QString commaScoreLine(int score, int total);

}  // namespace qm
