#include "topics/choice/counting.h"

namespace qm {

namespace {

const QColor kLightCyan(192, 255, 255);
const double kBoxLefts[] = {1200, 2520, 3840, 5160, 6480, 7800};

}  // namespace

CountingScreen::CountingScreen(Module1& m, const ScreenEntry& e, const QString& instruction,
                               std::span<const CountRow> bank)
    : ChoiceScreen(m, e), bank_(bank) {
    Label4 = addText(*this, QStringLiteral("Label4"), {600, 0, 8655, 1455}, 26.25, kGreen, instruction);
    Label1 = addText(*this, QStringLiteral("Label1"), {180, 1800, 9915, 2055}, 27.75, kYellow, QString(), false);
    std::vector<Box> places;
    QStringList numbers;
    for (double left : kBoxLefts) {
        places.push_back({left, 4080, 1035, 495});
        numbers << QString::number(numbers.size() + 1);
    }
    makeBoxes(places, numbers, 18);
    for (Label* box : Label5) box->Show();  // the numbers are there from the start
    Label2 = addText(*this, QStringLiteral("Label2"), {120, 5160, 10095, 2775}, 27.75, kLightCyan, QString(), false);
    makeFeedback({120, 7080, 10095, 1215}, 39.75);
}

void CountingScreen::writeBank() {
    for (int i = 0; i < int(bank_.size()) && i < int(m.AnswerKey.size()); ++i) {
        m.QuestionBank[i] = QString::fromUtf16(bank_[i].sentence);
        m.AnswerKey[i] = bank_[i].count;
        m.AnswerBank[i] = QString::fromUtf16(bank_[i].corrected);
    }
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
