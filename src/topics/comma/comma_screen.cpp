#include "topics/comma/comma_screen.h"

#include "exercise/rules.h"
#include "topics/comma/comma_rules.h"

namespace qm {

const WordFlow CommaScreen::kFlow{240, 4440, true};
const QColor CommaScreen::kRed(255, 0, 0);
const QColor CommaScreen::kYellow(255, 255, 0);

namespace {

const QColor kDarkRed(192, 0, 0);
const QColor kPink(255, 192, 255);
const QColor kBlack(0, 0, 0);

FontSpec serif(double points, bool bold = false) { return {QStringLiteral("Times New Roman"), points, bold}; }
FontSpec boldTahoma(double points) { return {QStringLiteral("Tahoma"), points, true}; }

// Yellow bold text on black in a single border, centred: the answer boxes and the score.
void blackBox(Label& l) {
    l.setBackStyle(BackStyle::Opaque);
    l.setBackColor(kBlack);
    l.setBorderStyle(Border::FixedSingle);
    l.setFont_(boldTahoma(24));
    l.setForeColor(CommaScreen::kYellow);
    l.setAlignment(Align::Center);
}

}  // namespace

CommaScreen::CommaScreen(Module1& m, const ScreenEntry& e) : ExerciseScreen(m, e) {
    Label4 = addArray<Label>(QStringLiteral("Label4"));
    Label& question = Label4.at(0);
    question.Move(0, 1440, 10215, 975);
    question.setBackStyle(BackStyle::Transparent);
    question.setAlignment(Align::Center);
    question.setWordWrap(true);
    question.setFont_(serif(20.25, true));
    question.setForeColor(kDarkRed);
    question.setCaption(QStringLiteral("Should the word shown in red be followed by a comma?"));
    Label* instruction = Label4.Load(1);
    instruction->Move(240, 120, 9735, 1455);
    instruction->setFont_(serif(24));
    instruction->setForeColor(kPink);
    instruction->setCaption(QString());
    instruction->Show();

    Label5 = addArray<Label>(QStringLiteral("Label5"));
    Label& comma = Label5.at(0);
    comma.Move(1320, 6600, 3315, 735);
    blackBox(comma);
    comma.setCaption(QStringLiteral("COMMA"));
    comma.Hide();
    Label* noComma = Label5.Load(1);
    noComma->Move(5520, 6600);
    noComma->setCaption(QStringLiteral("NO COMMA"));

    Label3 = add<Label>(QStringLiteral("Label3"));
    Label3->Move(4200, 2280);
    Label3->setBackStyle(BackStyle::Transparent);
    Label3->setFont_(serif(27.75));
    Label3->setForeColor(kYellow);
    Label3->setAutoSize(true);
    Label3->setCaption(QStringLiteral("SCORE"));
    Label3->Hide();

    Label9 = add<Label>(QStringLiteral("Label9"));
    Label9->Move(3360, 2880, 3435, 735);
    blackBox(*Label9);
    Label9->Hide();

    // Centred, so that the caption shows clear of EXIT, which lies over its left end.
    Label1 = add<Label>(QStringLiteral("Label1"));
    Label1->Move(120, 7800, 9855, 735);
    Label1->setBackStyle(BackStyle::Transparent);
    Label1->setAlignment(Align::Center);
    Label1->setFont_(serif(27.75));
    Label1->setForeColor(kYellow);
    Label1->setCaption(QStringLiteral("Correct"));
    Label1->Hide();
    setFeedbackCaption(Label1);

    // The tiles last, so that they lie above the other labels.
    tiles.make(*this, kSlots);

    Label5.on().click = [this](int i) { Label5_Click(i); };
}

QStringList CommaScreen::words() const {
    QStringList w;
    for (const Label* tile : Label7) w << tile->Caption();
    return w;
}

void CommaScreen::familyReset() {
    m.CounterA = 0;
    m.CounterB = 0;
    m.CurrentPick = 0;
    tiles.emptyTiles();
}

void CommaScreen::afterLoad() {
    Label3->Show();
    Label9->Show();
}

void CommaScreen::resetForNext() {
    Label5(0)->setEnabled_(true);
    Label5(1)->setEnabled_(true);
    m.CounterB = 0;
    WordPos = 0;
    SentenceScore = 0;
    Label1->Hide();
    Label9->setCaption(QString());
    tiles.clear();
    for (Label* tile : Label7) tile->setForeColor(kYellow);
    Label4(1)->Hide();
    cmdgo->Hide();
}

void CommaScreen::ShowNextQuestion() {
    const std::optional<int> drawn = drawRow();
    const int B = bankSize();
    if (B <= 0) return;
    int p = 0;
    if (entry().draw == Draw::InOrder) {
        p = nextInOrder_ % B;
        nextInOrder_ = (p + 1) % B;
        m.LastPick = p;
    } else if (drawn) {
        p = *drawn;
    } else {
        return;
    }
    m.CurrentPick = p;

    const bool inTable = p >= 0 && p < int(m.QuestionBank.size());
    m.CounterB = tiles.fill(inTable ? m.QuestionBank[p] : QString(), inTable ? m.AnswerBank[p] : QString());
    tiles.layOut(kFlow, true);
    Label7(0)->setForeColor(kRed);
    tiles.showTiles();

    WordTotal = wordTotal(words());
    Label4(1)->setCaption(commaInstruction(WordTotal));
    Label4(0)->Show();
    Label4(1)->Show();
    Label5(0)->Show();
    Label5(1)->Show();
}

void CommaScreen::Label5_Click(int Index) {
    if (Index != kCommaBox && Index != kNoCommaBox) return;
    // A finished sentence has its boxes disabled: nothing is left to decide.
    if (!Label5(Index)->Enabled() || WordPos < 0 || WordPos >= tiles.slotCount()) return;
    ChosenAnswer = Index;
    CheckCommaDecision();
    for (Label* tile : Label7) tile->setForeColor(kYellow);
    ++WordPos;
    if (Label* next = Label7(WordPos)) next->setForeColor(kRed);
    // The sentence ends on its first empty tile, or after its last slot when it fills them all.
    if (sentenceFinished(words(), WordPos)) {
        Label4(0)->Hide();
        Label4(1)->Hide();
        Label5(0)->setEnabled_(false);
        Label5(1)->setEnabled_(false);
        cmdgo->Show();
    }
}

void CommaScreen::CheckCommaDecision() {
    Label* tile = Label7(WordPos);
    const Label* key = Label2(WordPos);
    if (!tile || !key) return;
    const bool right = commaDecisionRight(ChosenAnswer, tile->Caption(), key->Caption());
    m.ResultFlag = right ? 1 : 0;
    if (right) {
        ++SentenceScore;
        giveRight(QStringLiteral("wav\\beep.wav"));
    } else {
        --SentenceScore;
        giveWrong();
    }
    Label9->setCaption(commaScoreLine(SentenceScore, WordTotal));

    // Whatever was chosen, the word now reads as it should, and the words after it make room.
    tile->setCaption(key->Caption());
    tiles.reflowFrom(WordPos, kFlow);
    tiles.markDone(WordPos);
}

// ---------------------------------------------------------------- bank rows

CommaRows::CommaRows(std::span<const CommaRow> rows) {
    for (const CommaRow& row : rows) {
        builtIn_.question << QString::fromUtf16(row.sentence);
        builtIn_.answer << QString::fromUtf16(row.key);
        ++builtIn_.questions;
    }
}

QStringList CommaRows::columns() const {
    return {QStringLiteral("sentence without its commas"), QStringLiteral("sentence with its commas")};
}

QStringList CommaRows::fieldsOf(const BankImage& bank, int n) const {
    return {entry(bank.question, n), entry(bank.answer, n)};
}

PaperTask CommaRows::paperTask() const {
    return {QStringLiteral("Add the missing commas to each sentence."), {}};
}

PaperQuestion CommaRows::paperQuestion(const BankImage& bank, int n, const PaperRandom&) const {
    return {{paperText(paperWords(entry(bank.question, n)))}, {paperWords(entry(bank.answer, n))}};
}

void CommaRows::append(BankImage& bank, const QStringList& fields, int, BankProblems&) const {
    bank.question << wordRowFromField(fields.value(0));
    bank.answer << wordRowFromField(fields.value(1));
    ++bank.questions;
}

void CommaRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const QString sentence = entry(bank.question, n);
    const QString key = entry(bank.answer, n);
    if (const auto fault = wordRowFault(sentence)) {
        problems.append({line, QStringLiteral("the sentence ") + *fault});
        return;
    }
    if (const auto fault = wordRowFault(key)) {
        problems.append({line, QStringLiteral("the sentence with its commas ") + *fault});
        return;
    }
    // The first empty slot ends the sentence, so one slot always stays empty.
    const int words = wordCount(sentence);
    if (words > CommaScreen::kSlots - 1) {
        problems.append({line, QStringLiteral("the sentence has %1 words, but the screen takes at most %2")
                                   .arg(words)
                                   .arg(CommaScreen::kSlots - 1)});
        return;
    }
    QString stripped = key;
    stripped.remove(QLatin1Char(','));
    if (wordCount(key) != words || stripped != sentence) {
        problems.append({line, QStringLiteral("the sentence with its commas must be the sentence with commas put in "
                                              "and nothing else changed")});
        return;
    }
    std::vector<double> widest = wordWidths(splitWords(sentence, CommaScreen::kSlots), WordTiles::look());
    const std::vector<double> keyWidths = wordWidths(splitWords(key, CommaScreen::kSlots), WordTiles::look());
    for (std::size_t k = 0; k < widest.size() && k < keyWidths.size(); ++k) widest[k] = std::max(widest[k], keyWidths[k]);
    if (lineCount(flowPlaces(widest, CommaScreen::kFlow)) > 3)
        problems.append({line, QStringLiteral("the sentence takes more than three lines on the screen")});
}

}  // namespace qm
