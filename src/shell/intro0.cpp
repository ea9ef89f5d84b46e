#include "shell/intro0.h"

#include "shell/flow.h"

namespace qm {

const QString intro0::kWebAddress = QStringLiteral("https://www.quillmark.co.uk/");

namespace {

const QColor kYellow(255, 255, 0);
const QColor kOptionBack(93, 88, 250);

Label* boxLabel(Form& f, const char* name, double l, double t, double w, double h, const QString& text,
                const FontSpec& font, const QColor& fore, const QColor& back, bool border) {
    auto* label = f.add<Label>(QString::fromLatin1(name));
    label->Move(l, t, w, h);
    label->setFont_(font);
    label->setForeColor(fore);
    label->setBackColor(back);
    label->setBackStyle(BackStyle::Opaque);
    label->setBorderStyle(border ? Border::FixedSingle : Border::None);
    label->setAlignment(Align::Center);
    label->setCaption(text);
    return label;
}

Label* plainLabel(Form& f, const char* name, double l, double t, double w, double h, const QString& text,
                  const FontSpec& font, const QColor& fore) {
    auto* label = f.add<Label>(QString::fromLatin1(name));
    label->Move(l, t, w, h);
    label->setFont_(font);
    label->setForeColor(fore);
    label->setBackStyle(BackStyle::Transparent);
    label->setAlignment(Align::Center);
    label->setCaption(text);
    return label;
}

}  // namespace

intro0::intro0(Module1& m) : Form(QStringLiteral("intro0"), m.platform.clock), m(m) {
    setCaption(QStringLiteral("Quillmark Learning"));
    setAccessibleName(QStringLiteral("Quillmark: choose a year and term"));
    const QString tahoma = QStringLiteral("Tahoma");

    Image1 = add<Image>(QStringLiteral("Image1"));
    Image1->Hide();

    Label1 = boxLabel(*this, "Label1", 390, 120, 11220, 1500,
                      QStringLiteral("Quillmark\nYears 5 and 6 - Sentence Level Work"), {tahoma, 27.75, true},
                      Qt::black, kYellow, true);
    Label6 = boxLabel(*this, "Label6", 120, 1920, 2040, 375, QStringLiteral("Teachers' Guide"),
                      {tahoma, 9.75, true}, Qt::black, kYellow, true);
    Label7 = boxLabel(*this, "Label7", 120, 2340, 3255, 735,
                      QStringLiteral("Please note: the Teachers' Guide is available as a Word document on the CD-ROM."),
                      {tahoma, 9.75, true}, QColor(0, 0, 128), kYellow, false);
    Label7->Hide();
    Label4 = plainLabel(*this, "Label4", 120, 3120, 2055, 495, QStringLiteral("Year 5"), {tahoma, 24, true},
                        QColor(255, 128, 0));
    Label5 = plainLabel(*this, "Label5", 9720, 3120, 2055, 495, QStringLiteral("Year 6"), {tahoma, 24, true},
                        QColor(255, 128, 0));

    Label2 = addArray<Label>(QStringLiteral("Label2"));
    {
        Label& first = Label2.at(0);
        first.setFont_({tahoma, 18, true});
        first.setForeColor(Qt::black);
        first.setBackColor(kYellow);
        first.setBackStyle(BackStyle::Opaque);
        first.setBorderStyle(Border::FixedSingle);
        first.setAlignment(Align::Center);
        first.Move(120, 3840, 2040, 495);
        for (int i = 1; i < 6; ++i) Label2.Load(i);
        const double lefts[2] = {120, 9720};
        const double tops[3] = {3840, 4680, 5520};
        for (int i = 0; i < 6; ++i) {
            Label2(i)->Move(lefts[i / 3], tops[i % 3], 2040, 495);
            Label2(i)->setCaption(QStringLiteral("Term %1").arg(i % 3 + 1));
            Label2(i)->setSpokenName(QStringLiteral("Year %1, Term %2").arg(5 + i / 3).arg(i % 3 + 1));
            Label2(i)->Hide();  // shown by the load step
        }
    }

    const auto option = [&](const char* name, double top, const QString& text) {
        auto* o = add<OptionButton>(QString::fromLatin1(name));
        o->Move(360, top, 1455, 255);
        o->setCaption(text);
        o->setFont_({tahoma, 9.75, true});
        o->setForeColor(kYellow);
        o->setBackColor(kOptionBack);
        return o;
    };
    Option1 = option("Option1", 6600, QStringLiteral("Sound On"));
    Option2 = option("Option2", 6960, QStringLiteral("Sound Off"));
    Option1->setValue(true);

    Image2 = add<Image>(QStringLiteral("Image2"));
    Image2->Move(10020, 6270, 1500, 2085);
    Label8 = boxLabel(*this, "Label8", 6480, 7680, 3315, 375, QStringLiteral("www.quillmark.co.uk"),
                      {QStringLiteral("Arial"), 12, true}, kYellow, Qt::black, true);
    Label3 = plainLabel(*this, "Label3", 6360, 8160, 3480, 375, QStringLiteral("\u00A9 2026 Quillmark Learning Ltd"),
                        {tahoma, 9.75}, kYellow);
    Command1 = add<PictureButton>(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Exit"));  // what its picture says
    Command1->Move(90, 7920, 1785, 500);
    Command1->setTabStop(false);

    // The keyboard goes down Year 5's terms, then Year 6's, then through the rest in
    // reading order, Exit last; Escape is Exit.
    for (int i = 0; i < 6; ++i) Label2(i)->setKeyGroup(i / 3);
    for (Control* c : std::initializer_list<Control*>{Option1, Option2, Label8}) c->setKeyGroup(2);
    Command1->setKeyGroup(3);
    setEscapeControl(Command1);

    Label2.on().click = [this](int i) { Label2_Click(i); };
    Option1->onClick = [this] { Option1_Click(); };
    Option2->onClick = [this] { Option2_Click(); };
    Label6->onMouseMove = [this](const MouseArgs& a) { Label6_MouseMove(a); };
    onMouseMove = [this](const MouseArgs& a) { Form_MouseMove(a); };
    Label8->onClick = [this] { Label8_Click(); };
    Command1->onClick = [this] { Command1_Click(); };
}

void intro0::Form_Load() {
    m.PrepareScreen(*this);
    setBackColor(QColor(49, 135, 215));
    Option1->setBackColor(kOptionBack);
    Option2->setBackColor(kOptionBack);
    setPicture(m.LoadPicture(QStringLiteral("Images\\literacy2.jpg")));
    Image2->setPicture(m.LoadPicture(QStringLiteral("Images\\logo2.jpg")));
    Image1->setPicture(m.LoadPicture(QStringLiteral("Images\\literacy22.jpg")));
    Command1->setPicture(m.LoadPicture(QStringLiteral("Images\\exit.jpg")));
    Command1->Move(90, 7920, 1785, 500);
    if (m.SoundOn == 1) {
        Option1->setValue(true);
    } else {
        Option2->setValue(true);
    }
    for (int i = 0; i < 6; ++i) Label2(i)->Show();
}

void intro0::Label2_Click(int Index) {
    m.flow->show(QStringLiteral("menu%1").arg(Index + 1));
    m.flow->unload(Name());
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

void intro0::Option1_Click() { m.SoundOn = 1; }

void intro0::Option2_Click() { m.SoundOn = 0; }

void intro0::Label6_MouseMove(const MouseArgs&) { Label7->Show(); }

void intro0::Form_MouseMove(const MouseArgs&) { Label7->Hide(); }

void intro0::Label8_Click() { m.platform.web.open(kWebAddress); }

void intro0::Command1_Click() {
    Form* title = m.flow->load(QStringLiteral("Titlefrm"));
    if (auto* ok = title ? title->find<PictureButton>(QStringLiteral("Command1")) : nullptr)
        ok->setCaption(QStringLiteral("Cancel"));
    m.flow->show(QStringLiteral("Titlefrm"));
    m.flow->unload(Name());
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

}  // namespace qm
