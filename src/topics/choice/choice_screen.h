#pragma once
// The answer boxes shared by the choice exercises: a click is marked against the
// question's key, and the right box then blinks white and yellow until the next question.

#include "exercise/exercise_screen.h"

namespace qm {

struct Box {
    double left, top, width, height;
};

class ChoiceScreen : public ExerciseScreen {
    Q_OBJECT
public:
    ChoiceScreen(Module1& m, const ScreenEntry& e);

    void Label5_Click(int Index);
    void FlashAnswer();  // Timer2

    ControlArray<Label> Label5;  // the answer boxes
    Label* Label6;               // "Correct" / "Wrong"
    Timer* Timer2;

    static const QColor kYellow;
    static const QColor kWhite;
    static const QColor kGreen;

protected:
    // Creates the answer boxes: yellow, black bold Tahoma, hidden until a question shows.
    void makeBoxes(const std::vector<Box>& places, const QStringList& captions, double points);
    // Creates the feedback caption at its place.
    void makeFeedback(const Box& place, double points);

    // Whether the clicked box is the right one.
    virtual bool isRightBox(int index) const = 0;
    // Whether box i is one that blinks (the right answer).
    virtual bool blinks(int index) const = 0;
    // Steps after the feedback and before the blink starts (show a corrected sentence).
    virtual void afterAnswer() {}
    // What the next-question button hides besides the frame's pictures and the caption.
    virtual void hideForNext() {}

    void familyReset() override;
    bool firstQuestionThroughNext() const override { return false; }
    void resetForNext() override;

    // The key of the question on screen, or nothing before the first question.
    VInt currentKey() const;
    // The box that blinks, as a screen reader names it.
    QString shownAnswer() const override;
};

// A transparent text label in Times New Roman.
Label* addText(Form& f, const QString& name, const Box& place, double points, const QColor& colour,
               const QString& text = QString(), bool visible = true);

}  // namespace qm
