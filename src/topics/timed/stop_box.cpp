#include "topics/timed/stop_box.h"

#include <algorithm>
#include <cmath>

#include "topics/timed/timed_rules.h"

namespace qm {

StopBoxScreen::StopBoxScreen(Module1& m, const ScreenEntry& e, QStringList categories)
    : SteppingScreen(m, e, {2000, 4000, 6000}), categories_(std::move(categories)) {}

void StopBoxScreen::makeBoxAt(const Place& place) {
    Label7 = add<Label>(QStringLiteral("Label7"));
    makeBox(*Label7, place, kYellow, {QStringLiteral("Times New Roman"), 36, true});
}

void StopBoxScreen::step() {
    m.CounterA = nextCategory(m.CounterA, int(categories_.size()));
    Label7->setCaption(categories_.value(*m.CounterA));
}

void StopBoxScreen::Label8_Click() {
    // The box is blank until its first step: a STOP then has no category to judge, so it
    // is wrong whatever the counter holds.
    std::optional<int> shown;
    if (!Label7->Caption().isEmpty()) shown = num(m.CounterA);
    if (stopIsRight(shown, rowCategory())) {
        giveRight(QStringLiteral("wav\\whizz.wav"));
        Timer2->setEnabled(false);
        showAfterRight();
    } else {
        giveWrong();
    }
    Label1->Show();
}

void StopBoxScreen::resetForNext() {
    Label1->Hide();
    hideQuestion();
    Label7->setCaption(QString());
    const int count = int(categories_.size());
    m.CounterA = std::clamp(int(std::floor(m.platform.random.Rnd() * count)), 0, std::max(0, count - 1));
    // The first category of the new question shows one second after it.
    Timer2->setInterval(1000);
}

}  // namespace qm
