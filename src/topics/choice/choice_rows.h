#pragma once
// The row forms of the choice screens: how their banks read in a teacher's file, and the
// checks of each row against the screen's boxes and labels.

#include <span>

#include "exercise/banks/row_form.h"
#include "topics/choice/choice_screen.h"

namespace qm {

struct ClassifyDesign;
struct PartsDesign;
struct CountRow;

// A label's box and font as a place a text must fit.
TextPlace placeOf(const Box& box, const FontSpec& font, int maxLines = 0);

// A sentence and the box that classifies it, and on one screen the corrected sentence. The
// file names the box by its caption ("PAST"); the table keeps its number.
class ClassifyRows final : public RowForm {
public:
    explicit ClassifyRows(const ClassifyDesign& d);
    QStringList columns() const override;
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override;
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override;
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    const ClassifyDesign& d_;
    BankImage builtIn_;
};

// A sentence in parts, laid out as the screen lays them out, and the part (or box) that
// answers; the subject/object screen keys the red part and the answer apart.
class PartsRows final : public RowForm {
public:
    explicit PartsRows(const PartsDesign& d);
    QStringList columns() const override;
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override;
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override;
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override;
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    QStringList partsOf(const BankImage& bank, int n) const;
    bool keyedByPart() const;
    const PartsDesign& d_;
    BankImage builtIn_;
};

// A question kept in several rows: a prompt, the options with the right one in a fixed
// row, and where there is one the completed sentence.
struct OptionBank {
    QStringList columns;      // one for each row of a question
    int firstOption;          // the options are rows firstOption .. firstOption + options - 1
    int options;
    int rightRow;
    int completedRow = -1;    // -1: none
    std::optional<TextPlace> prompt;     // where row 0 shows, when it is not an option
    std::optional<TextPlace> completed;  // where the completed sentence shows
    TextPlace option;                    // where each option shows
    bool numbered = false;               // the options show on numbered lines
    QString paperTask{};                 // what a printed sheet asks
    std::span<const char16_t* const> rows;
};

struct ShuffledDesign;
// The option bank of a screen that shuffles its options onto its boxes.
OptionBank shuffledBank(const ShuffledDesign& d);

class OptionRows final : public RowForm {
public:
    explicit OptionRows(OptionBank b);
    QStringList columns() const override { return b_.columns; }
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {int(b_.columns.size()), 0, 0, 0, 0}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override;
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override;
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    OptionBank b_;
    BankImage builtIn_;
};

// A sentence with marks taken out, how many, and the sentence with them put back. Some
// screens keep a run of spaces at the end of both sentences, which a field typed without
// it gets back.
struct CountingBank {
    QString keyColumn;
    QString run;
    int boxes;
    TextPlace sentence;
    TextPlace corrected;
    std::span<const CountRow> rows;
};

// The counting bank of a screen with those rows, its key column named as given.
CountingBank countingBank(const QString& keyColumn, const QString& run, std::span<const CountRow> rows);

class CountingRows final : public RowForm {
public:
    explicit CountingRows(CountingBank b);
    QStringList columns() const override;
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {1, 1, 0, 0, 1}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override;
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    CountingBank b_;
    BankImage builtIn_;
};

}  // namespace qm
