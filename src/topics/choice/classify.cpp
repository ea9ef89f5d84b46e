#include "topics/choice/classify.h"

namespace qm {

ClassifyScreen::ClassifyScreen(Module1& m, const ScreenEntry& e, const ClassifyDesign& d)
    : ChoiceScreen(m, e), d_(d) {
    Label2 = addText(*this, QStringLiteral("Label2"), d.instructionPlace, d.instructionPoints, d.instructionColour,
                     d.instruction);
    Label1 = addText(*this, QStringLiteral("Label1"), d.questionPlace, kQuestionPoints, kYellow, QString(), false);
    Label4 = addText(*this, QStringLiteral("Label4"), d.promptPlace, 24, kYellow,
                     QStringLiteral("Click on the correct box."), false);
    std::vector<Box> places;
    for (double left : d.boxLefts) places.push_back({left, d.boxTop, d.boxWidth, d.boxHeight});
    makeBoxes(places, d.boxes, d.boxPoints);
    makeFeedback(d.feedbackPlace, d.feedbackPoints);
    if (d.showsCorrected) {
        Label3 = addText(*this, QStringLiteral("Label3"), kCorrectedPlace, kCorrectedPoints, kYellow, QString(), false);
        Label3->setAnnounced(true);
    }
}

void ClassifyScreen::ShowNextQuestion() {
    const auto n = drawRow();
    if (!n) return;
    Label1->setCaption(m.QuestionBank[*n]);
    if (Label3) Label3->setCaption(m.AnswerBank[*n]);
    Label4->Show();
    for (Label* box : Label5) box->Show();
    Label1->Show();
}

bool ClassifyScreen::isRightBox(int index) const { return currentKey() == index + d_.keyOfFirstBox; }

bool ClassifyScreen::blinks(int index) const { return isRightBox(index); }

void ClassifyScreen::afterAnswer() {
    if (Label3) Label3->Show();
}

void ClassifyScreen::hideForNext() {
    Label1->Hide();
    if (Label3) Label3->Hide();
}

}  // namespace qm
