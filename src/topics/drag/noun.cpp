// Noun and verb agreement: judge the sentence, then drag out the verb that does not agree.

#include "topics/drag/noun.h"

#include "topics/drag/drag_rows.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// Sentence, the sentence with its verb agreeing, and "X" for a correct sentence or "V"
// for a faulty one.
const DragRow kBank[] = {
    {u"We is washing the car for pocket money. ", u"We are washing the car for pocket money. ", u"V"},
    {u"Did you heard them cheering? ", u"Did you hear them cheering? ", u"V"},
    {u"Oliver eating his food and asked for more. ", u"Oliver ate his food and asked for more. ", u"V"},
    {u"The ink leaked all over the books. ", u"The ink leaked all over the books. ", u"X"},
    {u"Yesterday the relay was win by Yellow Team. ", u"Yesterday the relay was won by Yellow Team. ", u"V"},
    {u"They lit the barbecue early. ", u"They lit the barbecue early. ", u"X"},
    {u"The bees are buzzing round the flowers. ", u"The bees are buzzing round the flowers. ", u"X"},
    {u"The dogs barks at the postman. ", u"The dogs bark at the postman. ", u"V"},
    {u"My brother and I were late for school. ", u"My brother and I were late for school. ", u"X"},
    {u"My sister don’t like broccoli. ", u"My sister doesn’t like broccoli. ", u"V"},
    {u"Everyone loves the summer holidays. ", u"Everyone loves the summer holidays. ", u"X"},
    {u"The children was playing football. ", u"The children were playing football. ", u"V"},
    {u"The box of crayons is on the shelf. ", u"The box of crayons is on the shelf. ", u"X"},
    {u"The film were really exciting. ", u"The film was really exciting. ", u"V"},
    {u"It was raining all afternoon. ", u"It was raining all afternoon. ", u"X"},
    {u"The birds in the tree sings loudly. ", u"The birds in the tree sing loudly. ", u"V"},
    {u"She doesn’t like thunderstorms. ", u"She doesn’t like thunderstorms. ", u"X"},
    {u"Grandma bake bread every Sunday. ", u"Grandma bakes bread every Sunday. ", u"V"},
    {u"There are thirty children in our class. ", u"There are thirty children in our class. ", u"X"},
    {u"Our teacher have a new car. ", u"Our teacher has a new car. ", u"V"},
    {u"The horse gallops across the field. ", u"The horse gallops across the field. ", u"X"},
    {u"Amit and Jess plays chess at lunchtime. ", u"Amit and Jess play chess at lunchtime. ", u"V"},
    {u"You were right to tell the teacher. ", u"You were right to tell the teacher. ", u"X"},
    {u"There is three eggs in the box. ", u"There are three eggs in the box. ", u"V"},
    {u"Mum has packed our lunches. ", u"Mum has packed our lunches. ", u"X"},
    {u"You was right about the weather. ", u"You were right about the weather. ", u"V"},
    {u"They were building a den in the woods. ", u"They were building a den in the woods. ", u"X"},
    {u"Those apples looks delicious. ", u"Those apples look delicious. ", u"V"},
    {u"The trees lose their leaves in autumn. ", u"The trees lose their leaves in autumn. ", u"X"},
    {u"Dad and Uncle Sami love cricket. ", u"Dad and Uncle Sami love cricket. ", u"X"},
};

const DragBank& dragBank() {
    static const DragBank b{8, {720, 5400, false}, DragKey::Agreement,
                            {QStringLiteral("sentence"), QStringLiteral("corrected sentence"),
                             QStringLiteral("answer (CORRECT or INCORRECT)")},
                            kBank, {},
                            QStringLiteral("Is the verb right? Tick the box if the sentence is correct; if not, write it out "
                                           "with the verb corrected.")};
    return b;
}

}  // namespace

const QString NounScreen::kQuestion = QStringLiteral("Is the sentence below correct or incorrect?");

NounScreen::NounScreen(Module1& m, const ScreenEntry& e) : DragScreen(m, e, dragBank(), false) {
    Label4 = addInstruction(QStringLiteral("Label4"), {480, 120, 9015, 1455}, 27.75, QColor(0, 255, 0), kQuestion);
    Label8 = addInstruction(QStringLiteral("Label8"), {120, 1680, 9855, 615}, 24, kYellow,
                            QStringLiteral("Drag the incorrect verb into the dustbin."), false);
    Label10 = addCaption(QStringLiteral("Label10"), 4125, 2520, boldTahoma(18), kYellow, QStringLiteral("DUSTBIN"),
                         false);
    Label5 = addTarget(QStringLiteral("Label5"), {4080, 3000, 1875, 1935});
    Label3 = addCaption(QStringLiteral("Label3"), 6000, 2520, serif(27.75), kYellow, QStringLiteral("SCORE"), false);
    addScoreBox(6240, 3120);

    Label6 = addArray<Label>(QStringLiteral("Label6"));
    Label& box = Label6.at(0);
    box.Move(1200, 6360, 3315, 735);
    box.setBackStyle(BackStyle::Opaque);
    box.setBackColor(kYellow);
    box.setForeColor(QColor(0, 0, 0));
    box.setBorderStyle(Border::FixedSingle);
    box.setFont_(boldTahoma(24));
    box.setAlignment(Align::Center);
    box.setCaption(QStringLiteral("CORRECT"));
    Label* second = Label6.Load(1);
    second->Move(5520, 6360);
    second->setCaption(QStringLiteral("INCORRECT"));
    second->Show();
    Label6.on().click = [this](int i) { Label6_Click(i); };

    addFeedback({2520, 7320, 6015, 1095});
    makeTiles();
}

void NounScreen::resetForNext() {
    m.CounterA = 0;
    DragScreen::resetForNext();
    Label4->setCaption(kQuestion);
    for (Label* l : {Label3, Label5, Label8, Label9, Label10}) l->Hide();
    for (Label* b : Label6) b->Show();
}

void NounScreen::ShowNextQuestion() {
    if (const auto p = drawRow()) showRow(*p);
    Label4->Show();
}

void NounScreen::Label6_Click(int Index) {
    const int row = num(m.LastPick);
    const QString mark = row >= 0 && row < int(m.ExtraBank.size()) ? m.ExtraBank[row] : QString();
    const Judgement j = judge(mark, Index);
    m.ResultFlag = j.resultFlag;
    if (!j.right) {
        giveWrong();
        return;
    }
    if (j.opensDrag) m.CounterA = 1;
    giveRight(QStringLiteral("wav\\cash.wav"));
    if (!j.opensDrag) return;
    Label4->setCaption(QStringLiteral("Identify the incorrect words in the sentence below."));
    for (Label* l : {Label3, Label6(0), Label6(1), Label9}) l->Hide();
    for (Label* l : {Label5, Label8, Label10}) l->Show();
}

Form* makeNoun(Module1& m, const ScreenEntry& e) { return new NounScreen(m, e); }

const RowForm& nounRows() {
    static const DragRows rows(dragBank());
    return rows;
}

}  // namespace qm
