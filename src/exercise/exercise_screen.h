#pragma once
// The frame every exercise screen shares: the standard buttons and pictures, the load
// sequence, the one-shot bank fill, the draw that never repeats the last row, the
// "Correct"/"Wrong" caption with the tick or cross wipe and its sound, and the way back
// to the term menu. A family fills in its layout, its bank and how answers are marked.

#include "controls/form.h"
#include "shell/catalogue.h"
#include "shell/module1.h"

namespace qm {

class ExerciseScreen : public Form {
    Q_OBJECT
public:
    ExerciseScreen(Module1& m, const ScreenEntry& entry);

    void Form_Load() override;
    void Timer1_Timer();  // FillBank
    void cmdgo_Click();
    void cmdsoln_Click();
    void cmdexit_Click();
    void tmrtick_Timer();
    void tmrcross_Timer();

    const ScreenEntry& entry() const { return entry_; }
    // The rows this screen plays: its own bank, or a teacher's bank file that passed
    // every check.
    const BankImage& bank() const { return *bank_; }
    // The "Correct"/"Wrong" caption of this screen.
    Label* feedbackCaption() const { return feedback_; }

    PictureButton *cmdexit, *cmdgo, *cmdsoln, *cmdcheckit;
    Image* Image1;
    PictureBox *imgcross, *imgtick;
    Timer *Timer1, *tmrtick, *tmrcross;

protected:
    // The family's resets when the screen loads (counters to 0 and its own setup).
    virtual void familyReset() {}
    // Steps some families take after Timer1 is enabled.
    virtual void afterLoad() {}
    // Writes the bank rows into the program-wide tables.
    virtual void writeBank();
    // The number of questions the draw chooses from.
    virtual int bankSize() const { return bank_->questions; }
    // Shows the first question after the fill: the choice families call ShowNextQuestion,
    // the families whose next button resets more state go through cmdgo_Click.
    virtual bool firstQuestionThroughNext() const { return false; }
    // Draws a row and lays the question out.
    virtual void ShowNextQuestion();
    // The family's resets before a new question.
    virtual void resetForNext() {}
    // What the answer button shows (only screens that show the button).
    virtual void showAnswer() {}

    // The frame's first steps of a new question: hides the tick, the cross and the check
    // button, zeroes the wipes, then draws a row as this screen does (re-seeding first or
    // not). Returns the row, or nothing for an empty bank or a screen that goes in order.
    std::optional<int> drawRow();

    // Right and wrong feedback: starts the wipe, sets and shows the caption, plays a sound.
    void giveRight(const QString& sound);
    void giveWrong();

    // The feedback caption is created by the family with its place and look; a screen
    // reader speaks it as it appears.
    void setFeedbackCaption(Label* label) {
        feedback_ = label;
        if (label) label->setAnnounced(true);
    }
    // The right answer as the screen shows it after a wrong one (a box that blinks), to be
    // spoken after "Wrong"; empty where the screen shows none.
    virtual QString shownAnswer() const { return {}; }

    Module1& m;

private:
    // Speaks the feedback (and the answer after a wrong one), and tells the answer box or
    // word tile just used whether it was right.
    // `heard` is what the caption said if it was showing already.
    void speakFeedback(bool right, const QString& heard);

    // A teacher's bank file for this screen that did not pass its checks is named once,
    // the first time the screen opens.
    void tellOfUnusedBank();

    const ScreenEntry& entry_;
    const BankImage* bank_;
    Label* feedback_ = nullptr;
};

// A screen of a family not yet on its menu shows the frame with an empty bank.
Form* makeFrameScreen(Module1& m, const ScreenEntry& entry);

}  // namespace qm
