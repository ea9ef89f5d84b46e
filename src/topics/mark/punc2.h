#pragma once
// Which punctuation mark is missing? A sentence with one mark left out above eight
// boxes, one for each mark; whatever the pupil clicks, the corrected sentence is shown
// and the right box blinks until the next question.

#include "exercise/exercise_screen.h"

namespace qm {

class Punc2Screen : public ExerciseScreen {
    Q_OBJECT
public:
    Punc2Screen(Module1& m, const ScreenEntry& e);

    void Label7_Click(int Index);  // a mark box
    void Timer3_Timer();           // the right box blinks

    Label* Label4;               // the instruction
    ControlArray<Label> Label3;  // 0: the sentence, 1: "Click on the correct box"
    ControlArray<Label> Label7;  // the eight mark boxes
    ControlArray<Label> Label9;  // the names under them
    Label* Label6;               // the corrected sentence
    Label* Label1;               // "Correct" / "Wrong"
    Timer* Timer3;

    static const QColor kYellow;
    static const QColor kGreen;

    // The missing mark of the question on screen; empty before the first question.
    QString currentMark() const;

protected:
    QString shownAnswer() const override;
    void resetForNext() override;
    void ShowNextQuestion() override;
};

}  // namespace qm
