#pragma once
// The rules of the find-and-swap screens, free of widgets: cutting a sentence into its
// words, finding the word that the swap changes, and stepping the candidate box.

#include <QString>
#include <QStringList>

namespace qm {

// The words of a sentence as the row of word labels takes them: every space ends a word
// (so two spaces in a row give an empty word) and whatever follows the last space is
// dropped. "The cat sat. " gives "The", "cat", "sat.".
QStringList SplitWords(const QString& text);

// The words that the swap changes, as places first..end-1 in the shown sentence: what is
// left once the words both sentences share at the front and at the back are taken off.
// "although" is the changed word of "... umbrella although it was raining." and
// "... umbrella even though it was raining.", and nothing after it is.
struct WordSpan {
    int first = 0;
    int end = 0;
    bool contains(int i) const { return i >= first && i < end; }
    bool empty() const { return end <= first; }
};
WordSpan changedSpan(const QStringList& shown, const QStringList& swapped);

// The same span as places in the swapped sentence: the word or words swapped in.
WordSpan swappedInSpan(const QStringList& shown, const QStringList& swapped);

// The candidate the box shows after one more step: the next one, back to the first after
// the last of the row's `count`.
int nextCandidate(int counter, int count);

}  // namespace qm
