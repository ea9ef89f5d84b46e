#pragma once
// A screen's question as it goes on paper: the task a teacher would set for it, in pieces
// a printed sheet can lay out (text with marked or numbered parts, answers to circle, a
// box to write in, lines to write on, a table to fill in), and the key an answer sheet
// gives. Each family says how its questions print, next to its bank rows.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace qm {

// A stretch of a printed text. Marked text is bold and underlined, which survives a
// black-and-white printer; a numbered part follows its number in bold, with a bar between
// one part and the next: "1 The soldiers, | 2 dressed in red, | 3 marched past."
struct PaperRun {
    QString text;
    bool marked = false;
    int number = 0;  // 1, 2, 3 for a numbered part; 0 for none
    bool operator==(const PaperRun&) const = default;
};

struct PaperPiece {
    enum Kind {
        Text,     // a paragraph of runs
        Circle,   // captions side by side, one to be circled
        Letters,  // options on lines of their own, lettered a), b), ...
        Box,      // a labelled box to write a short answer in
        Lines,    // lines to write on
        Table     // columns with headings and rows to write in
    };
    Kind kind = Text;
    QList<PaperRun> runs;  // Text
    QStringList items;     // Circle, Letters: the options; Table: the headings
    QString label;         // Box: what goes in it ("Part", "Category")
    int count = 1;         // Lines: how many; Table: its rows to write in; Box: 1 for a number or a tick, 2 for a word
    bool operator==(const PaperPiece&) const = default;
};

struct PaperQuestion {
    QList<PaperPiece> pieces;
    QStringList key;  // the answer sheet's lines for it
};

// What a sheet of a screen's questions asks, once at its head: the instruction, and
// where the pupil chooses from a fixed list, the list.
struct PaperTask {
    QString instruction;
    QStringList chooseFrom;
};

// The random numbers a sheet is drawn with: each in [0, 1).
using PaperRandom = std::function<double()>;

// Pieces of a question, as the forms build them.
PaperPiece paperText(const QString& text);
PaperPiece paperText(QList<PaperRun> runs);
PaperPiece paperCircle(const QStringList& captions);
PaperPiece paperLetters(const QStringList& options);
PaperPiece paperBox(const QString& label, bool forAWord = false);
PaperPiece paperLines(int count = 1);
PaperPiece paperTable(const QStringList& headings, int rows = 1);

// The places 0..count-1 in an order drawn from `rnd`, every order as likely.
QList<int> paperOrder(int count, const PaperRandom& rnd);

// A part of a sentence marked, the marks at its ends left out of the marking (the full
// stop after "the ball" is not part of the object).
QList<PaperRun> paperMarked(const QString& part);

// "a", "b", ... for the option at index i.
QString paperLetter(int i);
// A row of words as the screens keep it ("The cat sat. ") as it prints: no space at its end.
QString paperWords(const QString& row);

}  // namespace qm
