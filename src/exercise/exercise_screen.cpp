#include "exercise/exercise_screen.h"

#include <QAccessible>

#include "exercise/banks/row_form.h"
#include "exercise/rules.h"
#include "shell/flow.h"
#include "shell/menu.h"

namespace qm {

namespace {

const QColor kWipeBack(64, 64, 64);

PictureButton* frameButton(ExerciseScreen& s, const char* name, const char* face, double left, double top,
                           bool visible) {
    auto* b = s.add<PictureButton>(QString::fromLatin1(name));
    b->setAccessibleName(QString::fromLatin1(face));  // what its picture says
    b->Move(left, top, 1785, 500);
    b->setTabStop(false);
    b->setVisible_(visible);
    return b;
}

// The rows a screen plays: a teacher's that passed every check, else its own.
const BankImage& rowsFor(const Module1& m, const ScreenEntry& entry) {
    static const BankImage none;
    const auto teacher = m.teacherBanks.find(entry.name);
    if (teacher != m.teacherBanks.end() && teacher->second.usable()) return teacher->second.rows;
    return entry.rows ? entry.rows->builtIn() : none;
}

}  // namespace

ExerciseScreen::ExerciseScreen(Module1& m, const ScreenEntry& entry)
    : Form(entry.name, m.platform.clock), m(m), entry_(entry), bank_(&rowsFor(m, entry)) {
    setCaption(entry.title);
    const MenuDesign& term = menuDesign(entry.menu);
    setAccessibleName(QStringLiteral("%1, Year %2, Term %3").arg(entry.title).arg(term.year).arg(term.term));
    setBackColor(entry.background);

    cmdexit = frameButton(*this, "cmdexit", "Exit", 90, 7920, true);
    cmdgo = frameButton(*this, "cmdgo", "Next", 10020, 7920, !entry.nextHiddenAtFirst);
    cmdsoln = frameButton(*this, "cmdsoln", "Answer", 10020, 7320, entry.answerButtonShown);
    cmdcheckit = frameButton(*this, "cmdcheckit", "Check", 10020, 7320, false);
    // The keyboard goes through the question first, then NEXT, CHECK or ANSWER, then EXIT;
    // Escape is EXIT.
    cmdgo->setKeyGroup(1);
    cmdcheckit->setKeyGroup(2);
    cmdsoln->setKeyGroup(2);
    cmdexit->setKeyGroup(3);
    setEscapeControl(cmdexit);

    Image1 = add<Image>(QStringLiteral("Image1"));
    Image1->setStretch(true);
    Image1->Move(10200, 90, 1605, 1455);
    // The tick is made last so that it lies above the cross where both show.
    imgcross = add<PictureBox>(QStringLiteral("imgcross"));
    imgcross->Move(10740, 180, 735, 735);
    imgcross->setPictureName(QStringLiteral("Cross"));
    imgcross->setBackColor(kWipeBack);
    imgcross->Hide();
    imgtick = add<PictureBox>(QStringLiteral("imgtick"));
    imgtick->Move(10740, 180, 735, 705);
    imgtick->setPictureName(QStringLiteral("Tick"));
    imgtick->setBackColor(kWipeBack);
    imgtick->Hide();

    Timer1 = addTimer(QStringLiteral("Timer1"), 1, false);
    tmrtick = addTimer(QStringLiteral("tmrtick"), 1, false);
    tmrcross = addTimer(QStringLiteral("tmrcross"), 1, false);

    Timer1->onTimer = [this] { Timer1_Timer(); };
    tmrtick->onTimer = [this] { tmrtick_Timer(); };
    tmrcross->onTimer = [this] { tmrcross_Timer(); };
    cmdgo->onClick = [this] { cmdgo_Click(); };
    cmdsoln->onClick = [this] { cmdsoln_Click(); };
    cmdexit->onClick = [this] { cmdexit_Click(); };
}

void ExerciseScreen::Form_Load() {
    m.PrepareScreen(*this);
    setBackColor(entry_.background);
    familyReset();
    for (int i = 0; i < 100; ++i) m.QuestionBank[i].clear();
    Timer1->setEnabled(true);
    afterLoad();
}

void ExerciseScreen::writeBank() { m.writeBank(*bank_); }

void ExerciseScreen::tellOfUnusedBank() {
    const auto teacher = m.teacherBanks.find(entry_.name);
    if (teacher == m.teacherBanks.end() || teacher->second.usable() || teacher->second.told) return;
    teacher->second.told = true;
    m.platform.fatal.warn(
        QStringLiteral("Bank file not used"),
        QStringLiteral("The bank file %1 is not used.\n\n%2\n\n\"%3\" plays its own questions instead.")
            .arg(teacher->second.file, teacher->second.problem, entry_.title));
}

void ExerciseScreen::Timer1_Timer() {
    writeBank();
    tellOfUnusedBank();
    if (firstQuestionThroughNext()) {
        Timer1->setEnabled(false);
        cmdgo_Click();
        return;
    }
    ShowNextQuestion();
    Timer1->setEnabled(false);
}

std::optional<int> ExerciseScreen::drawRow() {
    for (Label* l : findChildren<Label*>()) l->setAccessibleDescription(QString());
    imgtick->Hide();
    imgcross->Hide();
    cmdcheckit->Hide();
    imgtick->setWidth(0);
    imgcross->setWidth(0);
    if (entry_.draw == Draw::InOrder) return std::nullopt;
    if (entry_.draw == Draw::Reseed) m.platform.random.Randomize();
    const int N = bankSize();
    if (N <= 0) return std::nullopt;
    const auto n = drawAvoiding(m.platform.random.Rnd(), N, m.LastPick);
    m.LastPick = n;
    return n;
}

void ExerciseScreen::ShowNextQuestion() { drawRow(); }

void ExerciseScreen::cmdgo_Click() {
    resetForNext();
    ShowNextQuestion();
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

void ExerciseScreen::cmdsoln_Click() {
    imgtick->Hide();
    imgcross->Hide();
    showAnswer();
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

void ExerciseScreen::cmdexit_Click() {
    m.flow->show(entry_.menuName());
    m.flow->unload(Name());
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

void ExerciseScreen::giveRight(const QString& sound) {
    tmrtick->setEnabled(true);
    if (feedback_) {
        const QString heard = feedback_->isVisible() ? feedback_->accessibleName() : QString();
        feedback_->setCaption(QStringLiteral("Correct"));
        speakFeedback(true, heard);
        feedback_->Show();
    }
    m.PlayCue(sound);
}

void ExerciseScreen::speakFeedback(bool right, const QString& heard) {
    const QString answer = right ? QString() : shownAnswer();
    feedback_->setSpokenName(answer.isEmpty() ? QString()
                                              : QStringLiteral("%1. The answer is: %2").arg(feedback_->Caption(), answer));
    if (auto* used = qobject_cast<Label*>(acting()); used && used != feedback_)
        used->setAccessibleDescription(right ? QStringLiteral("right") : QStringLiteral("wrong"));
    // Heard again when the same words come again while it shows (a second wrong drop on a
    // drag screen, where the caption stays up between drops); new words, or a caption
    // that appears, are heard anyway.
    if (!heard.isEmpty() && feedback_->accessibleName() == heard) {
        QAccessibleEvent again(feedback_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&again);
    }
}

void ExerciseScreen::giveWrong() {
    tmrcross->setEnabled(true);
    if (feedback_) {
        const QString heard = feedback_->isVisible() ? feedback_->accessibleName() : QString();
        feedback_->setCaption(QStringLiteral("Wrong"));
        speakFeedback(false, heard);
        feedback_->Show();
    }
    m.PlayCue(QStringLiteral("wav\\boink.wav"));
}

void ExerciseScreen::tmrtick_Timer() {
    if (!entry_.wipeKeepsOther) imgcross->Hide();
    imgtick->Show();
    const WipeStep step = wipeStep(imgtick->Width());
    imgtick->setWidth(step.width);
    if (step.done) tmrtick->setEnabled(false);
}

void ExerciseScreen::tmrcross_Timer() {
    if (!entry_.wipeKeepsOther) imgtick->Hide();
    imgcross->Show();
    const WipeStep step = wipeStep(imgcross->Width());
    imgcross->setWidth(step.width);
    if (step.done) tmrcross->setEnabled(false);
}

namespace {

// The frame alone: the family's question controls are not there yet, only the
// feedback caption every screen has.
class FrameScreen final : public ExerciseScreen {
public:
    FrameScreen(Module1& m, const ScreenEntry& e) : ExerciseScreen(m, e) {
        auto* caption = add<Label>(e.family == 3 ? QStringLiteral("Label6") : QStringLiteral("Label1"));
        caption->Move(2760, 7200, 4455, 1215);
        caption->setBackStyle(BackStyle::Transparent);
        caption->setForeColor(QColor(255, 255, 0));
        caption->setAlignment(Align::Center);
        caption->setFont_({QStringLiteral("Times New Roman"), 48});
        caption->setCaption(QStringLiteral("Correct"));
        caption->Hide();
        setFeedbackCaption(caption);
    }
};

}  // namespace

Form* makeFrameScreen(Module1& m, const ScreenEntry& entry) { return new FrameScreen(m, entry); }

}  // namespace qm
