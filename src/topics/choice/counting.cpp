#include "topics/choice/counting.h"

#include <iterator>

namespace qm {

namespace {

const QColor kLightCyan(192, 255, 255);
const double kBoxLefts[] = {1200, 2520, 3840, 5160, 6480, 7800};
static_assert(std::size(kBoxLefts) == CountingScreen::kBoxes);

}  // namespace

CountingScreen::CountingScreen(Module1& m, const ScreenEntry& e, const QString& instruction) : ChoiceScreen(m, e) {
    Label4 = addText(*this, QStringLiteral("Label4"), {600, 0, 8655, 1455}, 26.25, kGreen, instruction);
    Label1 = addText(*this, QStringLiteral("Label1"), kSentencePlace, kTextPoints, kYellow, QString(), false);
    std::vector<Box> places;
    QStringList numbers;
    for (double left : kBoxLefts) {
        places.push_back({left, 4080, 1035, 495});
        numbers << QString::number(numbers.size() + 1);
    }
    makeBoxes(places, numbers, 18);
    for (Label* box : Label5) box->Show();  // the numbers are there from the start
    Label2 = addText(*this, QStringLiteral("Label2"), kCorrectedPlace, kTextPoints, kLightCyan, QString(), false);
    Label2->setAnnounced(true);
    makeFeedback({120, 7080, 10095, 1215}, 39.75);
}

void CountingScreen::ShowNextQuestion() {
    const auto n = drawRow();
    if (!n) return;
    Label1->setCaption(m.QuestionBank[*n]);
    Label2->setCaption(m.AnswerBank[*n]);
    Label1->Show();
}

bool CountingScreen::isRightBox(int index) const { return currentKey() == index + 1; }

bool CountingScreen::blinks(int index) const {
    const Label* box = Label5(index);
    bool number = false;
    const int value = box ? box->Caption().trimmed().toInt(&number) : 0;
    return number && currentKey() == value;
}

void CountingScreen::afterAnswer() { Label2->Show(); }

void CountingScreen::hideForNext() {
    Label1->Hide();
    Label2->Hide();
}

void CountingScreen::showAnswer() {
    Timer2->setEnabled(true);
    Label2->Show();
}

}  // namespace qm
