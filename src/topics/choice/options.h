#pragma once
// How the options of a question go onto its answer boxes, and how a box's text is read
// back when it is marked: plain rules, free of widgets.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace qm {

// The options in a random order: `passes` times, each place in turn swaps its option
// with the option at a place drawn from rnd() (integer part of rnd() times the count).
// The right option can end up anywhere, its own place included.
QStringList shuffleOptions(QStringList options, const std::function<double()>& rnd, int passes = 10);

// The bank rows that go onto lines 0, 1, 2, ... when the lines are rotated: line i shows
// row (start + i) mod count, where start is the integer part of r times count.
std::vector<int> rotation(double r, int count);

// A numbered line as the pupil sees it: "1.  " followed by the text.
QString numberedLine(int number, const QString& text);

// The text of a numbered line without its number: everything after the first four
// characters (the digit, the full stop and two spaces).
QString withoutNumber(const QString& line);

}  // namespace qm
