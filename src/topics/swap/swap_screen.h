#pragma once
// Find and swap the word: the sentence is a row of clickable words; once the pupil has
// found the preposition or connective, a box steps through candidate words and the pupil
// clicks STOP on one that could take its place.

#include <span>

#include "exercise/banks/row_form.h"
#include "exercise/exercise_screen.h"
#include "exercise/speed_options.h"

namespace qm {

struct SwapRow {
    const char16_t* sentence;     // as shown: words separated by single spaces, ending with a space
    const char16_t* swapped;      // the same sentence with the word swapped
    const char16_t* candidates[4];  // the right one first; the rest empty on a screen of three
};

struct SwapPlace {
    double left, top, width, height;
};

struct SwapDesign {
    QString instruction;        // find the word
    QString secondInstruction;  // stop the box
    SwapPlace box;              // the candidate box
    SwapPlace swappedPlace;     // the swapped sentence
    double firstWordLeft;
    int candidatesPerRow;
    bool emptiesBoxForNext;  // otherwise the box keeps the last candidate until its first step
    bool oneWordSwap;        // the swap is one word for one word (no "even though" for "although")
    std::span<const SwapRow> bank;
    QString paperTask{};     // what a printed sheet of the questions asks
};

class SwapScreen : public ExerciseScreen {
    Q_OBJECT
public:
    SwapScreen(Module1& m, const ScreenEntry& e, const SwapDesign& d);

    void Label7_Click(int Index);  // a word of the sentence
    void Timer2_Timer();           // the box steps on
    void Label8_Click();           // STOP

    // Cuts the text into words and gives them to the labels from slot CounterB on.
    void SplitWords(const QString& text, const ControlArray<Label>& labels);

    Label* Label4;  // find the word
    ControlArray<Label> Label7;  // the words of the sentence
    ControlArray<Label> Label2;  // the words of the swapped sentence, never shown
    Label* Label6;  // stop the box
    Label* Label9;  // the candidate box
    Label* Label8;  // STOP
    SpeedOptions options;
    Label* Label3;  // the swapped sentence
    Label* Label1;  // "Correct" / "Wrong"
    Timer* Timer2;

    static constexpr int kWords = 10;
    static constexpr double kRightEdge = 11775;  // no word of the sentence goes past it
    static FontSpec wordFont() { return {QStringLiteral("Tahoma"), 20.25, true}; }
    static FontSpec boxFont() { return {QStringLiteral("Tahoma"), 24, true}; }
    static const QColor kYellow;
    static const QColor kMagenta;

    // Candidate k of row n, or nothing past the row or the table.
    QString candidate(int row, int k) const;
    // Whether the word in place `index` of the sentence on screen is the one to find.
    bool isTheWord(int index) const;

protected:
    void familyReset() override;
    bool firstQuestionThroughNext() const override { return true; }
    void resetForNext() override;
    void ShowNextQuestion() override;

private:
    void showStageTwo(bool visible);
    const SwapDesign& d_;
};

// The row form of the find-and-swap screens: the sentence and the swapped sentence as rows
// of words (a field typed without the space after the last word gets it), the right word and the
// wrong ones.
class SwapRows final : public RowForm {
public:
    explicit SwapRows(const SwapDesign& d);
    QStringList columns() const override;
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {1, 1, d_.candidatesPerRow, 0, 0}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override { return {d_.paperTask, {}}; }
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    const SwapDesign& d_;
    BankImage builtIn_;
};

}  // namespace qm
