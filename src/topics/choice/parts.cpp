#include "topics/choice/parts.h"

namespace qm {

const double PartsScreen::kPartPoints = 27.75;

PartsScreen::PartsScreen(Module1& m, const ScreenEntry& e, const PartsDesign& d) : ChoiceScreen(m, e), d_(d) {
    Label2 = addText(*this, QStringLiteral("Label2"), d.instructionPlace, d.instructionPoints, d.instructionColour,
                     d.instruction);

    Label1 = addArray<Label>(QStringLiteral("Label1"));
    Label& first = Label1.at(0);
    first.setBackStyle(BackStyle::Transparent);
    first.setAlignment(Align::Left);
    first.setFont_({QStringLiteral("Times New Roman"), kPartPoints});
    first.setAutoSize(true);
    first.Move(d.flow.left, d.partsTop);
    for (int j = 0; j < d.parts; ++j) {
        Label* part = Label1.Load(j);
        part->setForeColor(j < int(d.partColours.size()) ? d.partColours[j] : kYellow);
        part->Hide();
    }

    Label4 = addText(*this, QStringLiteral("Label4"), d.promptPlace, d.promptPoints, d.promptColour, d.prompt, false);
    if (d.answerPlace.width > 0)
        Label3 = addText(*this, QStringLiteral("Label3"), d.answerPlace, d.answerPoints, d.promptColour, QString(),
                         false);
    if (Label3) Label3->setAnnounced(true);

    makeBoxes(d.boxPlaces, d.boxCaptions, d.boxPoints);
    for (int i = 0; i < Label5.count() && i < int(d.boxColours.size()); ++i) Label5(i)->setBackColor(d.boxColours[i]);
    makeFeedback(d.feedbackPlace, d.feedbackPoints);
}

QStringList PartsScreen::rowsOf(int n) const {
    QStringList rows;
    for (int j = 0; j < d_.group; ++j) {
        const int i = d_.group * n + j;
        rows << (i >= 0 && i < int(m.QuestionBank.size()) ? m.QuestionBank[i] : QString());
    }
    return rows;
}

std::vector<Label*> PartsScreen::partLabels() const {
    std::vector<Label*> labels;
    for (Label* part : Label1) labels.push_back(part);
    return labels;
}

void PartsScreen::ShowNextQuestion() {
    const auto n = drawRow();
    if (!n) return;
    const QStringList rows = rowsOf(*n);
    for (Label* part : Label1) part->setCaption(rows.value(part->Index()));
    // A square is heard as the words of the part it stands for.
    for (Label* part : Label1)
        if (Label* square = Label5(part->Index())) square->setSpokenName(part->Caption());
    // The third square shows exactly when the question has a third part, on the first
    // question after the screen opens (when every square is still hidden) as on every other.
    if (Label1.count() == 3)
        if (Label* third = Label5(2)) third->setVisible_(!Label1(2)->Caption().isEmpty());
    markParts(*n);
    layOut();
    if (Label3 && d_.answerLine) Label3->setCaption(d_.answerLine(rows, currentKey().value_or(-1)));
    for (Label* part : Label1) part->Show();
    Label4->Show();
    for (int i : {0, 1})
        if (Label* box = Label5(i)) box->Show();
}

void PartsScreen::layOut() {
    const std::vector<Label*> labels = partLabels();
    std::vector<double> widths;
    for (Label* part : labels) widths.push_back(part->Width());
    const std::vector<PartPlace> places = flowParts(widths, Label1(0)->Top(), d_.flow);
    for (std::size_t j = 0; j < labels.size(); ++j) labels[j]->Move(places[j].left, places[j].top);
}

std::optional<int> PartsScreen::rightBox() const {
    const VInt key = currentKey();
    if (!key || *key < 0 || *key >= Label5.count()) return std::nullopt;
    return *key;
}

bool PartsScreen::isRightBox(int index) const { return rightBox() == index; }

void PartsScreen::afterAnswer() {
    if (Label3) Label3->Show();
}

void PartsScreen::resetForNext() {
    Timer2->setEnabled(false);
    const double top = Label1(0)->Top();
    for (Label* part : Label1) {
        part->Hide();
        part->setTop(top);
    }
    for (Label* box : Label5) {
        box->Show();
        const int i = box->Index();
        box->setBackColor(i < int(d_.boxColours.size()) ? d_.boxColours[i] : kYellow);
    }
    imgtick->Hide();
    imgcross->Hide();
    if (Label3) Label3->Hide();
    Label6->Hide();
}

}  // namespace qm
