#include "shell/menu.h"

#include "shell/catalogue.h"
#include "shell/flow.h"

namespace qm {

namespace {

const MenuDesign kMenus[6] = {
    {5, 1, 4455}, {5, 2, 4455}, {5, 3, 3735}, {6, 1, 4455}, {6, 2, 5055}, {6, 3, 3735},
};

// Labels are centred on the window's outer width.
constexpr double kOuterWidth = 12000;

}  // namespace

QString MenuDesign::title() const { return QStringLiteral("Year %1 - Term %2").arg(year).arg(term); }

const MenuDesign& menuDesign(int k) { return kMenus[std::clamp(k, 1, 6) - 1]; }

MenuScreen::MenuScreen(Module1& m, int k)
    : Form(QStringLiteral("menu%1").arg(k), m.platform.clock), m(m), k_(k) {
    const MenuDesign& d = menuDesign(k);
    const QString tahoma = QStringLiteral("Tahoma");
    setCaption(QStringLiteral("Quillmark Learning"));
    setAccessibleName(QStringLiteral("Year %1, Term %2: choose an exercise").arg(d.year).arg(d.term));

    Label1 = add<Label>(QStringLiteral("Label1"));
    Label1->Move((kOuterWidth - 6270) / 2, 120, 6270, 900);
    Label1->setFont_({tahoma, 36, true});
    Label1->setForeColor(Qt::black);
    Label1->setBackColor(QColor(255, 255, 0));
    Label1->setBorderStyle(Border::FixedSingle);
    Label1->setAlignment(Align::Center);
    Label1->setCaption(d.title());

    Label3 = addArray<Label>(QStringLiteral("Label3"));
    Label& topic = Label3.at(0);
    topic.Move((kOuterWidth - d.topicWidth) / 2, 3000, d.topicWidth, 495);
    topic.setFont_({tahoma, 15.75, true});
    topic.setForeColor(QColor(255, 255, 0));
    topic.setBackColor(Qt::black);
    topic.setBorderStyle(Border::FixedSingle);
    topic.setAlignment(Align::Center);
    if (const ScreenEntry* e = m.flow->catalogue().topic(k, 0)) topic.setCaption(e->title);
    topic.Hide();

    Label2 = addArray<Label>(QStringLiteral("Label2"));
    Label& term = Label2.at(0);
    term.Move(9600, 3000, 2235, 495);
    term.setFont_({tahoma, 18, true});
    term.setForeColor(QColor(255, 255, 0));
    term.setBackColor(QColor(0, 0, 255));
    term.setBorderStyle(Border::FixedSingle);
    term.setAlignment(Align::Center);
    term.setCaption(QStringLiteral("Term 1"));
    term.Hide();

    Command1 = add<PictureButton>(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Exit"));  // what its picture says
    Command1->Move(90, 7920, 1785, 500);
    Command1->setTabStop(false);

    // The keyboard goes down the topics, then the terms, then to Exit; Escape is Exit.
    topic.setKeyGroup(0);
    term.setKeyGroup(1);
    Command1->setKeyGroup(2);
    setEscapeControl(Command1);

    Label3.on().click = [this](int i) { Label3_Click(i); };
    Label2.on().click = [this](int i) { Label2_Click(i); };
    Command1->onClick = [this] { Command1_Click(); };
}

void MenuScreen::Form_Load() {
    m.PrepareScreen(*this);
    setBackColor(QColor(49, 135, 215));
    setPicture(m.LoadPicture(QStringLiteral("Images\\literacy22.jpg")));
    Command1->setPicture(m.LoadPicture(QStringLiteral("Images\\exit.jpg")));
    Command1->Move(90, 7920, 1785, 500);

    Label1->setLeft((kOuterWidth - Label1->Width()) / 2);
    Label3(0)->setLeft((kOuterWidth - Label3(0)->Width()) / 2);
    for (int i = 1; i <= 4; ++i) {
        Label* t = Label3.Load(i);
        t->Move(Label3(0)->Left(), Label3(0)->Top() + 750 * i);
    }
    for (int i = 1; i <= 2; ++i) {
        Label* t = Label2.Load(i);
        t->Move(Label2(0)->Left(), Label2(0)->Top() + 750 * i);
    }
    Label2(1)->setCaption(QStringLiteral("Term 2"));
    Label2(2)->setCaption(QStringLiteral("Term 3"));
    const int year = menuDesign(k_).year;
    for (int i = 0; i <= 2; ++i) Label2(i)->setSpokenName(QStringLiteral("Year %1, Term %2").arg(year).arg(i + 1));
    for (int i = 1; i <= 4; ++i)
        if (const ScreenEntry* e = m.flow->catalogue().topic(k_, i)) Label3(i)->setCaption(e->title);
    for (int i = 0; i <= 4; ++i) {
        if (i <= 2) Label2(i)->Show();
        Label3(i)->Show();
    }
}

void MenuScreen::Label3_Click(int Index) {
    if (const ScreenEntry* e = m.flow->catalogue().topic(k_, Index)) m.flow->show(e->name);
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

void MenuScreen::Label2_Click(int Index) {
    const MenuDesign& d = menuDesign(k_);
    if (Index + 1 != d.term) {
        const int target = (d.year == 5 ? 0 : 3) + Index + 1;
        m.flow->show(QStringLiteral("menu%1").arg(target));
        m.flow->unload(Name());
    }
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

void MenuScreen::Command1_Click() {
    m.flow->show(QStringLiteral("intro0"));
    m.flow->unload(Name());
    m.PlayCue(QStringLiteral("wav\\click.wav"));
}

}  // namespace qm
