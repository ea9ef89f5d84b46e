#include "topics/timed/stepping.h"

namespace qm {

const QColor SteppingScreen::kYellow(255, 255, 0);
const QColor SteppingScreen::kGreen(0, 255, 0);
const QColor SteppingScreen::kRed(255, 0, 0);
const QColor SteppingScreen::kBlack(0, 0, 0);
const QColor SteppingScreen::kScreen(49, 135, 215);

SteppingScreen::SteppingScreen(Module1& m, const ScreenEntry& e, std::array<int, 3> speeds)
    : ExerciseScreen(m, e), speeds_(speeds) {
    Timer2 = addTimer(QStringLiteral("Timer2"), 1000, false);
    Timer2->onTimer = [this] { Timer2_Timer(); };
}

void SteppingScreen::makeControls(const Place& stop, const Place& feedback, double optionsLeft,
                                  const std::array<double, 3>& optionTops) {
    Label8 = add<Label>(QStringLiteral("Label8"));
    makeBox(*Label8, stop, kRed, {QStringLiteral("Tahoma"), 24, true});
    Label8->setCaption(QStringLiteral("STOP"));
    Label8->onClick = [this] { Label8_Click(); };

    Label1 = addText(QStringLiteral("Label1"), feedback, 36, kYellow, QStringLiteral("Correct"), false);
    setFeedbackCaption(Label1);

    options = SpeedOptions::make(*this, optionsLeft, optionTops, true);
}

Label* SteppingScreen::addText(const QString& name, const Place& place, double points, const QColor& colour,
                               const QString& text, bool visible) {
    auto* label = add<Label>(name);
    label->Move(place.left, place.top, place.width, place.height);
    label->setBackStyle(BackStyle::Transparent);
    label->setAlignment(Align::Center);
    label->setFont_({QStringLiteral("Times New Roman"), points});
    label->setForeColor(colour);
    label->setCaption(text);
    label->setVisible_(visible);
    return label;
}

void SteppingScreen::makeBox(Label& label, const Place& place, const QColor& text, const FontSpec& font) {
    label.Move(place.left, place.top, place.width, place.height);
    label.setBackStyle(BackStyle::Opaque);
    label.setBackColor(kBlack);
    label.setBorderStyle(Border::FixedSingle);
    label.setAlignment(Align::Center);
    label.setForeColor(text);
    label.setFont_(font);
}

void SteppingScreen::familyReset() {
    options.setBackColor(kScreen);
    m.CounterA = 0;
}

void SteppingScreen::Timer2_Timer() {
    // The options are read at every step, so a new choice sets the length of the next one.
    if (const auto ms = options.interval(speeds_)) Timer2->setInterval(*ms);
    step();
    m.PlayCue(QStringLiteral("wav\\typekey.wav"));
}

}  // namespace qm
