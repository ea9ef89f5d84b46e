#include "topics/timed/wheel.h"

#include <QRegularExpression>

namespace qm {

WheelScreen::WheelScreen(Module1& m, const ScreenEntry& e, const WheelDesign& d)
    : SteppingScreen(m, e, {500, 1000, 2000}), d_(d) {
    Label4 = addText(QStringLiteral("Label4"), d.instructionPlace, d.instructionPoints, kGreen, d.instruction, false);

    Label3 = addArray<Label>(QStringLiteral("Label3"));
    for (int i = 0; i < 3; ++i) {
        Label* part = Label3.Load(i);
        part->setBackStyle(BackStyle::Transparent);
        part->setForeColor(kYellow);
        part->setFont_(partFont());
        part->Move(kPartsLeft, kPartsTop);
        part->setAutoSize(true);
        part->Hide();
    }

    Shape1 = add<Shape>(QStringLiteral("Shape1"));
    Shape1->Move(4200, 1680, kMarkerSize, kMarkerSize);
    Shape1->setBorderColor(kYellow);
    Shape1->setBorderWidth(3);

    Label7 = addArray<Label>(QStringLiteral("Label7"));
    for (int i = 0; i < 8; ++i) {
        Label* box = Label7.Load(i);
        box->Move(d.ring[i].x(), d.ring[i].y(), 1005, 735);
        box->setBorderStyle(Border::FixedSingle);
        box->setAlignment(Align::Center);
        box->setForeColor(kYellow);
        box->setFont_({QStringLiteral("Times New Roman"), 27.75, true});
        const bool filled = d.windowFilled && i == kWindow;
        box->setBackStyle(filled ? BackStyle::Opaque : BackStyle::Transparent);
        box->setBackColor(kBlack);
        box->Show();
    }

    Label5 = add<Label>(QStringLiteral("Label5"));
    makeBox(*Label5, d.namePlace, kYellow, {QStringLiteral("Times New Roman"), d.namePoints, true});

    Label2 = add<Label>(QStringLiteral("Label2"));
    makeBox(*Label2, d.start, kGreen, {QStringLiteral("Tahoma"), 15.75, true});
    Label2->setCaption(QStringLiteral("START"));
    Label2->onClick = [this] { Label2_Click(); };

    Label6 = addText(QStringLiteral("Label6"), d.sentence, kSentencePoints, kGreen, QString(), false);

    makeControls(d.stop, d.feedback, 10080, {6600, 6960, 7320});

    Timer3 = addTimer(QStringLiteral("Timer3"), 250, false);
    Timer3->onTimer = [this] { Timer3_Timer(); };
}

void WheelScreen::ShowNextQuestion() {
    Timer3->setEnabled(false);
    const auto drawn = drawRow();
    m.CounterC = 0;
    Label7(kWindow)->setForeColor(kYellow);
    int n = 0;
    if (entry().draw == Draw::InOrder) {
        // The counter the wheel also advances says which row comes next.
        if (bankSize() <= 0) return;
        m.CounterA = nextRowInOrder(m.CounterA, bankSize());
        n = *m.CounterA;
        m.LastPick = n;
    } else {
        if (!drawn) return;
        n = *drawn;
    }
    Label* before = Label3(0);
    Label* after = Label3(2);
    for (int i = 0; i < 3; ++i) Label3(i)->setCaption(m.QuestionBank[3 * n + i]);
    before->setLeft(kPartsLeft);
    const SecondPartPlace p = placeSecondPart(d_.line, before->Left(), before->Top(), before->Width(), after->Width());
    after->Move(p.left, p.top);
    Shape1->setLeft(before->Left() + before->Width() + d_.markerOffset);
    Label6->setCaption(m.QuestionBank[3 * n] + m.QuestionBank[3 * n + 1] + m.QuestionBank[3 * n + 2]);
    Label2->Show();
    before->Show();
    after->Show();
    Label4->Show();
}

void WheelScreen::resetForNext() {
    for (Label* part : Label3) part->Hide();
    Label3(2)->setTop(Label3(0)->Top());
    Label1->Hide();
    Label6->Hide();
    Label5->setCaption(QString());
    for (Label* box : Label7) box->setCaption(QString());
    // The wheel is left as it is: if it turns, its next step fills the boxes again.
}

void WheelScreen::Label2_Click() {
    Timer2->setInterval(1);  // the first step follows at once
    Timer2->setEnabled(true);
}

void WheelScreen::step() {
    m.CounterA = wheelStep(m.CounterA);
    for (Label* box : Label7) box->setCaption(QString::fromUtf8(d_.marks[wheelMarkIn(box->Index(), m.CounterA)]));
    Label5->setCaption(QString::fromUtf8(d_.names[wheelMarkIn(kWindow, m.CounterA)]));
}

QString WheelScreen::markOnScreen() const {
    if (!m.LastPick || *m.LastPick < 0 || *m.LastPick >= bankSize()) return QString();
    return m.QuestionBank[3 * *m.LastPick + 1];
}

void WheelScreen::Label8_Click() {
    Timer2->setEnabled(false);
    Label2->Hide();
    Label6->Show();
    if (windowMatches(markOnScreen(), Label7(kWindow)->Caption())) {
        giveRight(QStringLiteral("wav\\whizz.wav"));
        Timer3->setEnabled(true);
    } else {
        giveWrong();
    }
    Label1->Show();
}

void WheelScreen::Timer3_Timer() {
    m.CounterC = num(m.CounterC) + 1;
    if (*m.CounterC > 1) m.CounterC = 0;
    Label7(kWindow)->setForeColor(m.CounterC == 1 ? kScreen : kYellow);
}

// ---------------------------------------------------------------- bank rows

namespace {

bool hasBreak(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}  // namespace

WheelRows::WheelRows(const WheelDesign& d) : d_(d) {
    for (const WheelRow& row : d.bank) {
        builtIn_.question << QString::fromUtf16(row.before) << QString::fromUtf16(row.mark) << QString::fromUtf16(row.after);
        ++builtIn_.questions;
    }
}

QStringList WheelRows::columns() const {
    return {QStringLiteral("text before the gap"), QStringLiteral("missing mark"), QStringLiteral("text after the gap")};
}

QStringList WheelRows::fieldsOf(const BankImage& bank, int n) const {
    QString mark = entry(bank.question, 3 * n + 1);
    if (d_.markSpaced && mark.endsWith(QLatin1Char(' '))) mark.chop(1);
    return {entry(bank.question, 3 * n), mark, entry(bank.question, 3 * n + 2)};
}

PaperTask WheelRows::paperTask() const {
    PaperTask t{QStringLiteral("Write the missing punctuation mark in the gap."), {}};
    for (size_t i = 0; i < d_.marks.size(); ++i) {
        const QString mark = QStringLiteral("%1 ( %2 )").arg(QString::fromUtf8(d_.names[i]), QString::fromUtf8(d_.marks[i]));
        if (!t.chooseFrom.contains(mark)) t.chooseFrom << mark;
    }
    return t;
}

PaperQuestion WheelRows::paperQuestion(const BankImage& bank, int n, const PaperRandom&) const {
    const QString before = entry(bank.question, 3 * n);
    const QString mark = entry(bank.question, 3 * n + 1);
    const QString after = entry(bank.question, 3 * n + 2);
    const QString bare = mark.trimmed();
    QString name;
    for (size_t i = 0; i < d_.marks.size(); ++i)
        if (QString::fromUtf8(d_.marks[i]) == bare) name = QString::fromUtf8(d_.names[i]);
    // The gap keeps the space that follows the mark.
    const QString gap = QStringLiteral("____") + (mark.endsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString());
    return {{paperText(before + gap + after)},
            {QStringLiteral("%1 ( %2 )").arg(name, bare), (before + mark + after).trimmed()}};
}

void WheelRows::append(BankImage& bank, const QStringList& fields, int, BankProblems&) const {
    QString mark = fields.value(1);
    QString after = fields.value(2);
    if (d_.markSpaced) {
        // The space after the mark is the mark's, whether the file has it there or not;
        // a closing quotation mark follows with no space ("now,' smiled").
        while (after.startsWith(QLatin1Char(' '))) after.remove(0, 1);
        static const QRegularExpression closingQuote(QStringLiteral("^['\"’”](\\s|$)"));
        mark = mark.trimmed();
        if (!closingQuote.match(after).hasMatch()) mark += QLatin1Char(' ');
    }
    bank.question << fields.value(0) << mark << after;
    ++bank.questions;
}

QString WheelRows::sameness(const BankImage& bank, int n) const {
    return QStringList{entry(bank.question, 3 * n), entry(bank.question, 3 * n + 1), entry(bank.question, 3 * n + 2)}
        .join(QLatin1Char('|'));
}

void WheelRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const QString before = entry(bank.question, 3 * n);
    const QString mark = entry(bank.question, 3 * n + 1);
    const QString after = entry(bank.question, 3 * n + 2);
    if (before.trimmed().isEmpty()) {
        problems.append({line, QStringLiteral("the text before the gap is empty")});
        return;
    }
    if (hasBreak(before) || hasBreak(after) || hasBreak(mark)) {
        problems.append({line, QStringLiteral("a tab or a line break in the sentence")});
        return;
    }
    // The mark is one character, the one the wheel's window shows, with at most a space after it.
    QStringList marks;
    for (const char* m : d_.marks)
        if (!marks.contains(QString::fromUtf8(m))) marks << QString::fromUtf8(m);
    const QString bare = mark.endsWith(QLatin1Char(' ')) ? mark.chopped(1) : mark;
    if (!marks.contains(bare)) {
        problems.append({line, QStringLiteral("the missing mark \"%1\" is not one of the marks on the wheel: %2")
                                   .arg(bare, marks.join(QLatin1Char(' ')))});
        return;
    }
    if (after.startsWith(QLatin1Char(' ')) && mark.endsWith(QLatin1Char(' ')))
        problems.append({line, QStringLiteral("two spaces after the missing mark")});

    const double first = textWidthTwips(WheelScreen::partFont(), before);
    const double second = textWidthTwips(WheelScreen::partFont(), after);
    const SecondPartPlace p = placeSecondPart(d_.line, WheelScreen::kPartsLeft, WheelScreen::kPartsTop, first, second);
    const double edge = WheelScreen::kRightEdge;
    if (p.left + second > edge || WheelScreen::kPartsLeft + first + d_.markerOffset + WheelScreen::kMarkerSize > edge)
        problems.append({line, QStringLiteral("the sentence runs past the right-hand side of the screen")});
    const TextPlace whole{d_.sentence.width, d_.sentence.height, {QStringLiteral("Times New Roman"), WheelScreen::kSentencePoints}};
    if (const auto wrong = misfit(whole, before + mark + after))
        problems.append({line, QStringLiteral("the whole sentence ") + *wrong});
}

}  // namespace qm
