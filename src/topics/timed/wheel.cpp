#include "topics/timed/wheel.h"

namespace qm {

WheelScreen::WheelScreen(Module1& m, const ScreenEntry& e, const WheelDesign& d)
    : SteppingScreen(m, e, {500, 1000, 2000}), d_(d) {
    Label4 = addText(QStringLiteral("Label4"), d.instructionPlace, d.instructionPoints, kGreen, d.instruction, false);

    Label3 = addArray<Label>(QStringLiteral("Label3"));
    for (int i = 0; i < 3; ++i) {
        Label* part = Label3.Load(i);
        part->setBackStyle(BackStyle::Transparent);
        part->setForeColor(kYellow);
        part->setFont_({QStringLiteral("Times New Roman"), 27.75});
        part->Move(120, 1560);
        part->setAutoSize(true);
        part->Hide();
    }

    Shape1 = add<Shape>(QStringLiteral("Shape1"));
    Shape1->Move(4200, 1680, 375, 375);
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

    Label6 = addText(QStringLiteral("Label6"), d.sentence, 27.75, kGreen, QString(), false);

    makeControls(d.stop, d.feedback, 10080, {6600, 6960, 7320});

    Timer3 = addTimer(QStringLiteral("Timer3"), 250, false);
    Timer3->onTimer = [this] { Timer3_Timer(); };
}

void WheelScreen::writeBank() {
    for (int i = 0; i < bankSize(); ++i) {
        m.QuestionBank[3 * i] = QString::fromUtf16(d_.bank[i].before);
        m.QuestionBank[3 * i + 1] = QString::fromUtf16(d_.bank[i].mark);
        m.QuestionBank[3 * i + 2] = QString::fromUtf16(d_.bank[i].after);
    }
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
    before->setLeft(120);
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

}  // namespace qm
