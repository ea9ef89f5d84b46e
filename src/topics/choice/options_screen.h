#pragma once
// Questions whose answer is recognised by its text: the bank keeps the right option in a
// fixed row of each question, the screen lays the options onto the boxes in a random
// order, and a box is right (and blinks) when its text equals that row. Two boxes with
// the same text are both right.

#include <QStringList>
#include <span>

#include "topics/choice/choice_screen.h"

namespace qm {

class OptionScreen : public ChoiceScreen {
    Q_OBJECT
public:
    // The bank is kept row by row, `rowsPerQuestion` rows to a question.
    OptionScreen(Module1& m, const ScreenEntry& e, int rowsPerQuestion, int rightRow);

protected:
    bool isRightBox(int index) const override;
    bool blinks(int index) const override { return isRightBox(index); }

    // The text that box i stands for.
    virtual QString boxText(int index) const;
    // Row k of question n in the program-wide table (empty outside the table).
    QString row(int n, int k) const;
    // The right row of the question on screen, or nothing before the first question.
    std::optional<QString> rightText() const;

    const int G;  // rows to a question

private:
    const int rightRow_;
};

// The options of a gapped sentence or a term, shuffled onto the boxes.
struct ShuffledDesign {
    int rowsPerQuestion;       // the prompt, the options, and the completed sentence where there is one
    int options;               // rows 1 .. options are the options
    int rightRow;              // the row of the right option
    bool showsCompleted;       // the row after the options is shown after an answer
    QString instruction{};     // empty when the screen has no instruction line
    Box instructionPlace{};
    double instructionPoints = 0;
    Box promptPlace;
    double promptPoints;
    Box completedPlace{};
    std::vector<double> boxLefts;
    double boxTop, boxWidth, boxHeight, boxPoints;
    Box feedbackPlace;
    double feedbackPoints;
    int blinkInterval = 250;
    std::span<const char16_t* const> bank;
    QStringList columns;       // how a bank file names the rows of a question
    QString paperTask{};       // what a printed sheet of the questions asks
};

class ShuffledScreen : public OptionScreen {
    Q_OBJECT
public:
    ShuffledScreen(Module1& m, const ScreenEntry& e, const ShuffledDesign& d);

    Label* Label4;            // the gapped sentence or the term
    Label* Label1 = nullptr;  // the completed sentence, where there is one
    Label* Label2 = nullptr;  // the instruction, where there is one

    static constexpr double kCompletedPoints = 48;

protected:
    void ShowNextQuestion() override;
    void afterAnswer() override;
    void hideForNext() override;

private:
    const ShuffledDesign& d_;
};

// Three versions of a sentence on numbered lines; the pupil clicks the number of the
// one punctuated correctly. The versions go onto the lines rotated, not shuffled.
class SpeechScreen : public OptionScreen {
    Q_OBJECT
public:
    explicit SpeechScreen(Module1& m, const ScreenEntry& e);

    // The numbered versions: their size and font.
    static constexpr double kVersionWidth = 9675;
    static constexpr double kVersionHeight = 945;
    static FontSpec versionFont() { return {QStringLiteral("Times New Roman"), 27.75, true}; }

    Label* Label2;               // "Which form of punctuation is correct?"
    Label* Label4;               // "Click on the correct box."
    ControlArray<Label> Label1;  // the three numbered versions

protected:
    void ShowNextQuestion() override;
    QString boxText(int index) const override;
    void hideForNext() override;
};

}  // namespace qm
