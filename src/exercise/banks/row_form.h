#pragma once
// How a screen's bank rows read in a teacher's file, and what each row must be for the
// screen to play it. Each family describes its own row forms next to its screens: the
// columns, how a row of fields becomes entries of the program-wide tables and back, and
// the checks against the screen's limits (its answer boxes, its word slots, the labels a
// text must fit at the real font). The catalogue names each screen's form, so the bank
// test, the bank check of the command line and the loader all check the same things.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "controls/fonts.h"
#include "exercise/banks/paper.h"
#include "shell/bank_image.h"

namespace qm {

struct BankProblem {
    int line;
    QString what;
    bool operator==(const BankProblem&) const = default;
};
using BankProblems = QList<BankProblem>;

// How many entries of each program-wide table one question takes.
struct Footprint {
    int question = 0, answer = 0, extra = 0, code = 0, keys = 0;
};

class RowForm {
public:
    virtual ~RowForm() = default;

    // The names of the columns, as the first line of a file gives them.
    virtual QStringList columns() const = 0;
    // The screen's own rows.
    virtual const BankImage& builtIn() const = 0;
    virtual Footprint footprint() const = 0;

    // The most questions the screen takes: 100, or fewer where a question takes several
    // entries of a table, so that no question ever lies past the end of a table.
    int maxRows() const;
    // The fewest its draw needs: with one row the draw could only repeat it.
    virtual int minRows() const { return 2; }

    // The fields of question n, as a file has them.
    virtual QStringList fieldsOf(const BankImage& bank, int n) const = 0;
    // Adds the question that a file's fields (one per column) give. A field that cannot be
    // read is a problem on `line`; a question is added all the same.
    virtual void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const = 0;
    // What two questions have in common when one repeats the other.
    virtual QString sameness(const BankImage& bank, int n) const = 0;
    // Checks question n against the screen's limits; what is wrong goes on `line`.
    virtual void check(const BankImage& bank, int n, int line, BankProblems& problems) const = 0;

    // What a printed sheet of the screen's questions asks, and question n as it prints
    // there, with the key the screen would accept. Options the screen shuffles are put in
    // an order drawn from `rnd`.
    virtual PaperTask paperTask() const = 0;
    virtual PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const = 0;
};

// ---------------------------------------------------------------- a whole bank

// Every check of a bank: its size, repeated questions, and each question; `lines` gives
// the line of each question.
BankProblems checkBank(const RowForm& form, const BankImage& bank, const QList<int>& lines);
// The same for the screen's own rows, each on the line an exported file puts it.
BankProblems checkBuiltIn(const RowForm& form);

// A file read with a screen's form: the rows, usable only when there is no problem.
struct BankFileCheck {
    BankImage rows;
    BankProblems problems;
};
BankFileCheck readBank(const RowForm& form, const QByteArray& bytes);

// The file of a bank: the column names, then a row for each question.
QByteArray exportBank(const RowForm& form, const BankImage& bank);

// ---------------------------------------------------------------- for the forms

// Question n's entry i of a table, or an empty one past its end.
QString entry(const QStringList& table, int i);
int keyAt(const QList<int>& keys, int i);

// A text kept as a row of words, each followed by one space, from a file's field: the
// export writes it as it is, last space included, and a field typed without that space
// (or with spaces at its ends) gets just the one.
QString wordRowFromField(const QString& field);
// What is wrong with a row of words, or nothing: it must end with one space, with no
// space before its first word and no two spaces together (an empty word).
std::optional<QString> wordRowFault(const QString& row);

// The caption a field names, compared without regard to case or to spaces at its ends;
// -1 when it names none.
int captionIndex(const QStringList& captions, const QString& field);
// A field that holds a whole number and nothing else.
std::optional<int> wholeNumber(const QString& field);
// "PAST, PRESENT or FUTURE".
QString oneOf(const QStringList& captions);
// "1 column", "3 columns": a count and its noun, which takes an s for any count but one.
QString counted(qsizetype n, const QString& noun);

// A label a text shows in: its size, its font, and the most lines it may take (0: as many
// as its height holds).
struct TextPlace {
    double width;
    double height;
    FontSpec font;
    int maxLines = 0;
    bool bordered = false;
};
// What is wrong with showing the text there, or nothing.
std::optional<QString> misfit(const TextPlace& place, const QString& text);

// Checks of a text a screen shows: not empty, no spaces at either end, and (with a place)
// fitting its label. `what` names it ("the sentence").
void checkText(BankProblems& problems, int line, const QString& what, const QString& text,
               const std::optional<TextPlace>& place = std::nullopt);

// The width of each word of a row as a tile sized to its text shows it.
std::vector<double> wordWidths(const QStringList& words, const FontSpec& font);

}  // namespace qm
