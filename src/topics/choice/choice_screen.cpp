#include "topics/choice/choice_screen.h"

namespace qm {

const QColor ChoiceScreen::kYellow(255, 255, 0);
const QColor ChoiceScreen::kWhite(255, 255, 255);
const QColor ChoiceScreen::kGreen(0, 255, 0);

Label* addText(Form& f, const QString& name, const Box& place, double points, const QColor& colour,
               const QString& text, bool visible) {
    auto* label = f.add<Label>(name);
    label->Move(place.left, place.top, place.width, place.height);
    label->setBackStyle(BackStyle::Transparent);
    label->setAlignment(Align::Center);
    label->setFont_({QStringLiteral("Times New Roman"), points});
    label->setForeColor(colour);
    label->setCaption(text);
    label->setVisible_(visible);
    return label;
}

ChoiceScreen::ChoiceScreen(Module1& m, const ScreenEntry& e) : ExerciseScreen(m, e) {
    Timer2 = addTimer(QStringLiteral("Timer2"), 250, false);
    Timer2->onTimer = [this] { FlashAnswer(); };
}

void ChoiceScreen::makeBoxes(const std::vector<Box>& places, const QStringList& captions, double points) {
    Label5 = addArray<Label>(QStringLiteral("Label5"));
    Label& first = Label5.at(0);
    first.setBackStyle(BackStyle::Opaque);
    first.setBackColor(kYellow);
    first.setForeColor(Qt::black);
    first.setAlignment(Align::Center);
    first.setFont_({QStringLiteral("Tahoma"), points, true});
    for (int i = 0; i < int(places.size()); ++i) {
        Label* box = Label5.Load(i);
        box->Move(places[i].left, places[i].top, places[i].width, places[i].height);
        box->setCaption(i < captions.size() ? captions[i] : QString());
        box->Hide();
    }
    Label5.on().click = [this](int i) { Label5_Click(i); };
}

void ChoiceScreen::makeFeedback(const Box& place, double points) {
    Label6 = addText(*this, QStringLiteral("Label6"), place, points, kYellow, QStringLiteral("Correct"), false);
    setFeedbackCaption(Label6);
}

void ChoiceScreen::familyReset() { m.CounterB = 0; }

VInt ChoiceScreen::currentKey() const {
    if (!m.LastPick || *m.LastPick < 0 || *m.LastPick >= int(m.AnswerKey.size())) return std::nullopt;
    return m.AnswerKey[*m.LastPick];
}

void ChoiceScreen::Label5_Click(int Index) {
    m.ResultFlag = 0;
    m.ResultFlag = isRightBox(Index) ? 1 : 0;
    if (m.ResultFlag == 1) {
        giveRight(QStringLiteral("wav\\cash.wav"));
    } else {
        giveWrong();
    }
    afterAnswer();
    Timer2->setEnabled(true);
}

void ChoiceScreen::FlashAnswer() {
    m.CounterB = num(m.CounterB) + 1;
    if (m.CounterB == 2) m.CounterB = 0;
    for (Label* box : Label5)
        if (blinks(box->Index())) box->setBackColor(m.CounterB == 1 ? kYellow : kWhite);
}

QString ChoiceScreen::shownAnswer() const {
    QStringList right;
    for (Label* box : Label5)
        if (box->Visible() && blinks(box->Index()) && !box->accessibleName().isEmpty()) right << box->accessibleName();
    return right.join(QLatin1String(" or "));
}

void ChoiceScreen::resetForNext() {
    Timer2->setEnabled(false);
    for (Label* box : Label5) box->setBackColor(kYellow);
    imgtick->Hide();
    imgcross->Hide();
    hideForNext();
    Label6->Hide();
}

}  // namespace qm
