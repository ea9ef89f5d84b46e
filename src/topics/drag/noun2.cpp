// Different kinds of nouns: a story a line at a time; each proper noun, pronoun and noun
// goes into its own container.

#include "topics/drag/noun2.h"

#include "topics/drag/drag_rows.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// The story, line by line, with one code digit per word.
const DragRow kStory[] = {
    {u"Florence Nightingale turned her back ", u"11023"},
    {u"on the comforts she had known. ", u"003200"},
    {u"Against the wishes of her parents, ", u"003023"},
    {u"she went to the Crimea to nurse injured soldiers. ", u"200010003"},
    {u"She took thirty-eight nurses with her ", u"200302"},
    {u"to a crowded hospital at Scutari in Turkey. ", u"00030101"},
    {u"The wards were dirty and full of rats. ", u"03000003"},
    {u"Wounded soldiers lay on the floor in their ", u"03000302"},
    {u"muddy uniforms, without blankets or soap. ", u"030303"},
    {u"More men died of disease than of wounds. ", u"03003003"},
    {u"Florence believed that dirt and bad air ", u"1003003"},
    {u"made people ill, so she took action. ", u"0300203"},
    {u"Her nurses scrubbed the floors and walls. ", u"2300303"},
    {u"They washed sheets, shirts and bandages. ", u"203303"},
    {u"She set up a kitchen to cook healthy food. ", u"200030003"},
    {u"She bought soap, towels and medicine ", u"203303"},
    {u"with money sent by people in Britain. ", u"0300301"},
    {u"Later, a team from London cleared the drains ", u"00301003"},
    {u"and let fresh air into the wards. ", u"0003003"},
    {u"Soon, far fewer soldiers were dying. ", u"000300"},
    {u"Every night, Florence walked the long wards ", u"0310003"},
    {u"with a lamp in her hand. ", u"003023"},
    {u"She comforted the patients and wrote letters ", u"2003003"},
    {u"to their worried families. ", u"0203"},
    {u"The soldiers were grateful for her kindness. ", u"0300023"},
    {u"After the war, she returned to England. ", u"0032001"},
    {u"She travelled under a false name, Miss Smith, ", u"20000311"},
    {u"because she did not want a fuss. ", u"0200003"},
    {u"Queen Victoria met her at Balmoral Castle. ", u"1102011"},
    {u"Florence drew clever charts to persuade ", u"100300"},
    {u"leaders to keep hospitals clean. ", u"30030"},
    {u"People gave money to thank her for her work. ", u"303002023"},
    {u"She used it to open a school for nurses ", u"202000303"},
    {u"at St Thomas’ Hospital in London. ", u"011101"},
    {u"Each year, nurses everywhere remember her ", u"033002"},
    {u"on her birthday in May. ", u"02301"},
};

const DragBank& dragBank() {
    static const DragBank b{10, {240, 3660, false}, DragKey::Code,
                            {QStringLiteral("line of the story"),
                             QStringLiteral("codes (0 none, 1 proper noun, 2 pronoun, 3 noun)")},
                            kStory, {},
                            QStringLiteral("Write the proper nouns, pronouns and other nouns from each line of the story in the "
                                           "right columns.")};
    return b;
}

}  // namespace

Noun2Screen::Noun2Screen(Module1& m, const ScreenEntry& e) : DragScreen(m, e, dragBank(), false) {
    Label4 = addInstruction(QStringLiteral("Label4"), {480, 120, 9495, 735}, 27.75, kYellow,
                            QStringLiteral("Identify the nouns in the sentence below."));
    Label8 = addInstruction(QStringLiteral("Label8"), {120, 960, 9855, 615}, 24, kOrange,
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

const RowForm& noun2Rows() {
    static const DragRows rows(dragBank());
    return rows;
}

}  // namespace qm
