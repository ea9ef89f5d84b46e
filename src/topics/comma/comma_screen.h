#pragma once
// Word by word: a sentence shown without its commas, one word in red at a time. For each
// word the pupil says whether a comma follows it; the decision is marked at once, the
// word takes its punctuated form in green and the red mark moves on. Once every word is
// decided the next sentence can be asked for.

#include <span>

#include "exercise/banks/row_form.h"
#include "exercise/exercise_screen.h"
#include "exercise/word_tiles.h"

namespace qm {

// A bank row: the sentence without its commas and the key with them, word for word, each
// word followed by one space.
struct CommaRow {
    const char16_t* sentence;
    const char16_t* key;
};

class CommaScreen : public ExerciseScreen {
    Q_OBJECT
public:
    CommaScreen(Module1& m, const ScreenEntry& e);

    void Label5_Click(int Index);  // 0 "COMMA", 1 "NO COMMA"

    static constexpr int kSlots = 16;
    static const WordFlow kFlow;
    static const QColor kRed;
    static const QColor kYellow;

    ControlArray<Label> Label4;  // 0: the question, 1: the instruction
    Label* Label3;               // "SCORE"
    Label* Label9;               // the score line
    ControlArray<Label> Label5;  // the answer boxes
    Label* Label1;               // "Correct" / "Wrong"
    WordTiles tiles;
    ControlArray<Label>& Label7 = tiles.Label7;    // the words of the sentence
    ControlArray<Label>& Label2 = tiles.Label2;    // their punctuated forms, never shown
    ControlArray<Label>& Label11 = tiles.Label11;  // done-markers

    int WordPos = 0;        // the word in red
    int ChosenAnswer = 0;   // the box just pressed
    int WordTotal = 0;      // the words of the sentence on screen
    int SentenceScore = 0;  // right minus wrong decisions in this sentence

    // The words the tiles show now.
    QStringList words() const;

protected:
    void familyReset() override;
    void afterLoad() override;
    bool firstQuestionThroughNext() const override { return true; }
    void resetForNext() override;
    void ShowNextQuestion() override;
    void CheckCommaDecision();

private:
    int nextInOrder_ = 0;  // the row a screen that goes in order shows next
};

// The row form of the comma screens: the sentence without its commas and with them, word
// for word (a field typed without the space after the last word gets it), at most 15 words within
// three lines above the answer boxes.
class CommaRows final : public RowForm {
public:
    explicit CommaRows(std::span<const CommaRow> rows);
    QStringList columns() const override;
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {1, 1, 0, 0, 0}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override;
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    BankImage builtIn_;
};

}  // namespace qm
