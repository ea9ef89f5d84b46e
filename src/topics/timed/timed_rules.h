#pragma once
// The rules of the stepping screens, free of widgets: the category the box moves to,
// whether a STOP is right, where each mark of the wheel sits after some steps, which
// row the punctuation wheel asks next, and where the second part of a sentence goes.

#include <QString>
#include <optional>

#include "shell/module1.h"

namespace qm {

// The category after `counter` in a cycle of `count` categories: one on, back to 0
// after the last. A counter outside the cycle is brought back into it.
int nextCategory(VInt counter, int count);

// A STOP on the stop box: right only when the box shows a category (`shown` is empty
// while the box is still blank) and that category is the row's.
bool stopIsRight(std::optional<int> shown, VInt key);

// The wheel counter after one more step. It never overflows: past the largest value it
// goes on from 0, which keeps every mark where one more step would put it.
int wheelStep(VInt counter);

// Which of the eight wheel marks box `box` shows when the wheel counter is `counter`:
// every step moves each mark one box clockwise.
int wheelMarkIn(int box, VInt counter);

// The punctuation wheel's next question: the counter one on, back to row 0 past the
// last row (and from anything below 0).
int nextRowInOrder(VInt counter, int rows);

// A wheel STOP: right when the first character of the missing mark is what the window
// shows. A blank window or a row without a mark is never right.
bool windowMatches(const QString& mark, const QString& window);

// Where the second part of a sentence goes: after the first part with a gap, or, when
// it would end right of `rightLimit`, under the first part, `drop` twips lower.
struct LineRule {
    double gap;
    std::optional<double> rightLimit;  // no limit: it never moves to a second line
    double drop;
};
struct SecondPartPlace {
    double left, top;
    bool wrapped;
};
SecondPartPlace placeSecondPart(const LineRule& rule, double left, double top, double firstWidth, double secondWidth);

}  // namespace qm
