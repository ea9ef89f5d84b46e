// Different kinds of nouns: a story a line at a time; each proper noun, pronoun and noun
// goes into its own container.

#include "topics/drag/noun2.h"

#include "topics/drag/dustbin.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// The story, line by line, with one code digit per word.
const DragRow kStory[] = {
    {u"Florence Nightingale turned her back ", u"11023"},
    {u"on the comforts she had known. ", u"003200"},
    {u"Against the wishes of her parents, ", u"003023"},
    {u"she went to the Crimea to nurse injured soldiers. ", u"200010003"},
};

}  // namespace

Noun2Screen::Noun2Screen(Module1& m, const ScreenEntry& e) : DragScreen(m, e, 10, {240, 3660, false}, false, kStory) {
    Label4 = addInstruction(*this, QStringLiteral("Label4"), {480, 120, 9495, 735}, 27.75, kYellow,
                            QStringLiteral("Identify the nouns in the sentence below."));
    Label8 = addInstruction(*this, QStringLiteral("Label8"), {120, 960, 9855, 615}, 24, kOrange,
                            QStringLiteral("Drag the nouns into the correct container."));
    Label3 = addCaption(QStringLiteral("Label3"), 4080, 1800, serif(27.75), kYellow, QStringLiteral("SCORE"), false);
    addScoreBox(4320, 2400);

    Label5 = addArray<Label>(QStringLiteral("Label5"));
    Label10 = addArray<Label>(QStringLiteral("Label10"));
    const double lefts[3] = {1080, 4080, 7080};
    const double captionLefts[3] = {780, 4125, 7500};
    const char* captions[3] = {"Proper Nouns", "Pronouns", "Nouns"};
    Label& box = Label5.at(0);
    box.setBackStyle(BackStyle::Transparent);
    box.setBorderStyle(Border::FixedSingle);
    box.Move(lefts[0], 4800, 1875, 1935);
    Label& caption = Label10.at(0);
    caption.setBackStyle(BackStyle::Transparent);
    caption.setFont_(boldTahoma(18));
    caption.setForeColor(kOrange);
    caption.setAutoSize(true);
    for (int k = 0; k < 3; ++k) {
        Label* target = Label5.Load(k);
        target->Move(lefts[k], 4800);
        target->Hide();
        Label* name = Label10.Load(k);
        name->Move(captionLefts[k], 6780);
        name->setCaption(QString::fromLatin1(captions[k]));
        name->Hide();
    }

    addFeedback({3240, 7320, 5535, 1335});
    makeTiles();
}

std::vector<Label*> Noun2Screen::dropTargets() const { return {Label5(0), Label5(1), Label5(2)}; }

bool Noun2Screen::rightDrop(int Index, int target) const {
    const int line = num(m.CurrentPick);
    const QString code = line >= 0 && line < int(m.CodeBank.size()) ? m.CodeBank[line] : QString();
    return codeOf(code, Index) == target + 1;
}

void Noun2Screen::familyReset() {
    DragScreen::familyReset();
    m.CounterA = -1;
}

void Noun2Screen::afterLoad() {
    Label3->Show();
    for (Label* l : Label5) l->Show();
    for (Label* l : Label10) l->Show();
    Label9->Show();
    cmdgo->Show();
}

void Noun2Screen::writeBank() {
    for (int i = 0; i < int(bank().size()); ++i) {
        m.QuestionBank[i] = QString::fromUtf16(bank()[i].sentence);
        m.AnswerBank[i] = m.QuestionBank[i];
        m.CodeBank[i] = QString::fromUtf16(bank()[i].key);
    }
}

void Noun2Screen::resetForNext() {
    // The story ends on its last line: no next line to go to.
    if (num(m.CounterA) + 1 == bankSize() - 1) cmdgo->Hide();
    DragScreen::resetForNext();
}

void Noun2Screen::ShowNextQuestion() {
    drawRow();
    m.CounterA = num(m.CounterA) + 1;
    m.LastPick = m.CounterA;
    showRow(*m.CounterA);
    for (Label* l : Label5) l->Show();
    Label4->Show();
}

Form* makeNoun2(Module1& m, const ScreenEntry& e) { return new Noun2Screen(m, e); }

}  // namespace qm
