#include "shell/titlefrm.h"

#include <QPalette>

#include "shell/flow.h"

namespace qm {

namespace {

const QColor kBlue(0, 0, 255);

Label* creditLabel(Form& f, QWidget* parent, const char* name, double l, double t, double w, double h,
                   const QString& text, FontSpec font, const QColor& colour) {
    auto* label = f.add<Label>(QString::fromLatin1(name), parent);
    label->Move(l, t, w, h);
    label->setBackStyle(BackStyle::Transparent);
    label->setAlignment(Align::Center);
    label->setFont_(font);
    label->setForeColor(colour);
    label->setCaption(text);
    return label;
}

PictureButton* plainButton(Form& f, QWidget* parent, const char* name, double l, const QString& text) {
    auto* button = f.add<PictureButton>(QString::fromLatin1(name), parent);
    button->Move(l, 6360, 1335, 375);
    button->setCaption(text);
    button->setBackColor(QColor(192, 192, 192));
    button->setFont_({QStringLiteral("MS Sans Serif"), 8.25});
    button->setTabStop(true);
    return button;
}

}  // namespace

Titlefrm::Titlefrm(Module1& m) : Form(QStringLiteral("Titlefrm"), m.platform.clock), m(m) {
    setSize(5730, 6915);
    setCaption(QStringLiteral(" "));
    setAccessibleName(QStringLiteral("Quillmark"));  // the title bar is blank by design
    setBackColor(QColor(192, 192, 192));
    setIcon(QIcon(QStringLiteral(":/icon/quillmark.png")));

    Frame1 = add<Frame>(QStringLiteral("Frame1"));
    Frame1->Move(0, -90, 5820, 7020);
    Frame1->setAutoFillBackground(true);
    QPalette pal = Frame1->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    Frame1->setPalette(pal);

    const QString serif = QStringLiteral("Times New Roman");
    Label4 = creditLabel(*this, Frame1, "Label4", 60, 180, 5595, 615, QStringLiteral("Quillmark"),
                         {serif, 20.25, true}, kBlue);
    Label1 = creditLabel(*this, Frame1, "Label1", 960, 720, 3675, 735,
                         QStringLiteral(" Years 5 and 6   Sentence Level Work"), {serif, 18, true}, QColor(255, 128, 0));
    Picture1 = add<PictureBox>(QStringLiteral("Picture1"), Frame1);
    Picture1->Move(420, 1560, 4800, 3600);
    Label3 = creditLabel(*this, Frame1, "Label3", 600, 5280, 4455, 495, QStringLiteral("By Harriet Penwood"),
                         {serif, 15.75}, kBlue);
    Label5 = creditLabel(*this, Frame1, "Label5", 600, 5640, 4575, 375,
                         QStringLiteral("Programming  Oliver Quennell"), {serif, 12}, kBlue);
    Label6 = creditLabel(*this, Frame1, "Label6", 600, 5970, 4575, 375,
                         QStringLiteral("Series Editor  Margaret Ashdown"), {serif, 12}, kBlue);
    Command1 = plainButton(*this, Frame1, "Command1", 1440, QStringLiteral("OK"));
    Command2 = plainButton(*this, Frame1, "Command2", 2880, QStringLiteral("Exit"));
    setTabOrder(Command1, Command2);
    Label2 = creditLabel(*this, Frame1, "Label2", 120, 6780, 5415, 255,
                         QStringLiteral("\u00A9 2026 Quillmark Learning. For use in schools."),
                         {QStringLiteral("Arial"), 8.25}, kBlue);

    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
}

void Titlefrm::Form_Load() {
    const QRect display = m.displayInUse(*this);
    setTop(display.top() + display.height() / 2.0 - Height() / 2.0);
    setLeft(display.left() + display.width() / 2.0 - Width() / 2.0);
    m.SoundOn = 1;
    Picture1->setPicture(m.LoadPicture(QStringLiteral("opening2\\startl00.jpg")));
}

void Titlefrm::showEvent(QShowEvent* e) {
    Form::showEvent(e);
    Command1->setFocus();
}

void Titlefrm::Command1_Click() {
    m.flow->show(QStringLiteral("intro0"));
    m.flow->unload(Name());
}

void Titlefrm::Command2_Click() { m.flow->end(); }

}  // namespace qm
