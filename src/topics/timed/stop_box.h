#pragma once
// The stop box: a text is shown, a box steps through the categories that could fit it,
// and the pupil clicks STOP while the box shows the right one. A right STOP freezes the
// box; a wrong one lets it go on.

#include <QStringList>

#include "topics/timed/stepping.h"

namespace qm {

class StopBoxScreen : public SteppingScreen {
    Q_OBJECT
public:
    // `categories`: what the box shows for each category code, in the order it steps.
    StopBoxScreen(Module1& m, const ScreenEntry& e, QStringList categories);

    void Label8_Click() override;

    Label* Label7 = nullptr;    // the box
    ControlArray<Label> Label4;  // the screen's texts

    const QStringList& categories() const { return categories_; }

protected:
    void makeBoxAt(const Place& place);
    void step() override;
    bool firstQuestionThroughNext() const override { return false; }
    void resetForNext() override;

    // The category of the row on screen, or nothing when no row is on screen.
    virtual VInt rowCategory() const = 0;
    // Hides the question's texts before the next one (the feedback caption is the frame's).
    virtual void hideQuestion() = 0;
    // What a right answer shows besides the feedback.
    virtual void showAfterRight() = 0;

private:
    QStringList categories_;
};

}  // namespace qm
