// Screen preparation, the title screen, the start screen and the menu layouts.

#include <QtTest>
#include <QTemporaryDir>

#include "exercise/exercise_screen.h"
#include "rig.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/titlefrm.h"
#include "topics/catalogue.h"

using namespace qm;
using namespace qm::test;

namespace {

// A screen with only some of the shared controls.
class Sparse final : public Form {
public:
    explicit Sparse(Clock& c) : Form(QStringLiteral("sparse"), c) {
        cmdgo = add<PictureButton>(QStringLiteral("cmdgo"));
        cmdgo->Move(1, 2, 3, 4);
        imgtick = add<PictureBox>(QStringLiteral("imgtick"));
        imgtick->Move(5, 6, 7, 8);
        // A control of the wrong kind under a shared name is left alone.
        board = add<Label>(QStringLiteral("Image1"));
        board->Move(11, 12, 13, 14);
    }
    PictureButton* cmdgo;
    PictureBox* imgtick;
    Label* board;
};

void copyAssets(const QString& from, const QString& to, const QStringList& skip) {
    for (const QString& sub : {QStringLiteral("Images"), QStringLiteral("opening2"), QStringLiteral("wav")}) {
        QDir(to).mkpath(sub);
        for (const QString& f : QDir(from + QLatin1Char('/') + sub).entryList(QDir::Files))
            if (!skip.contains(f)) QFile::copy(from + '/' + sub + '/' + f, to + '/' + sub + '/' + f);
    }
}

}  // namespace

class PrepareTest : public QObject {
    Q_OBJECT
private slots:
    // The pictures read just after the title screen are every picture the start screen,
    // the menus and the exercise screens show: opening them reads nothing more.
    void picturesReadEarlyAreAllTheScreensNeed() {
        Rig rig;
        rig.flow->start();  // the title screen reads its own picture as it loads
        const int title = rig.pictures.picturesKept();
        for (const QString& path : picturesReadEarly()) QVERIFY2(rig.pictures.load(path).picture, qPrintable(path));
        const int early = rig.pictures.picturesKept();
        QCOMPARE(early, title + int(picturesReadEarly().size()));
        rig.open(QStringLiteral("intro0"));
        for (int k = 1; k <= 6; ++k) rig.open(QStringLiteral("menu%1").arg(k));
        for (const ScreenEntry& e : rig.flow->catalogue().entries()) {
            rig.open(e.name);
            rig.clock.advance(1);
            rig.flow->unload(e.name);
            rig.collect();
        }
        QCOMPARE(rig.pictures.picturesKept(), early);
    }

    void placesScreenOnTheDesktop_data() {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("exactly 12000 wide: centred") << QSize(12000, 9000) << 0.0 << 0.0;
        QTest::newRow("wider: 840 left of centre") << QSize(19200, 14400) << 2760.0 << 2700.0;
        QTest::newRow("one twip wider counts as wide") << QSize(12001, 9001) << -839.5 << 0.5;
        QTest::newRow("smaller: negative, centres match") << QSize(9600, 7200) << -1200.0 << -900.0;
    }
    void placesScreenOnTheDesktop() {
        QFETCH(QSize, desktop);
        QFETCH(double, left);
        QFETCH(double, top);
        Rig rig;
        rig.desktop.size = desktop;
        auto* s = rig.open<ExerciseScreen>(QStringLiteral("tenses"));
        QCOMPARE(s->Width(), 12000.0);
        QCOMPARE(s->Height(), 9000.0);
        QCOMPARE(s->Left(), left);
        QCOMPARE(s->Top(), top);
        // The hourglass shows while the screen is placed and goes away again.
        QCOMPARE(rig.desktop.busyCalls, 1);
        QCOMPARE(rig.desktop.restoreCalls, 1);
        QVERIFY(!rig.desktop.pointerBusy);
        QVERIFY(!s->hasIcon());
    }

    // Where each window really is on the desktop, in pixels: the title screen centred,
    // every other screen placed by the preparation (840 twips left of centre on a wide
    // desktop, centred on one exactly 12000 wide, partly off a small one).
    void windowsSitWhereTheyArePlaced_data() {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QPoint>("screen");
        QTest::addColumn<QPoint>("title");
        QTest::newRow("wide") << QSize(19200, 14400) << QPoint(184, 180) << QPoint(449, 250);
        QTest::newRow("exact") << QSize(12000, 9000) << QPoint(0, 0) << QPoint(209, 70);
        QTest::newRow("small") << QSize(9600, 7200) << QPoint(-80, -60) << QPoint(129, 10);
    }
    void windowsSitWhereTheyArePlaced() {
        QFETCH(QSize, desktop);
        QFETCH(QPoint, screen);
        QFETCH(QPoint, title);
        Rig rig;
        rig.desktop.size = desktop;
        rig.flow->start();
        Form* t = rig.screen(QStringLiteral("Titlefrm"));
        QVERIFY(t->isVisible());
        QCOMPARE(t->pos(), title);
        QCOMPARE(t->size(), QSize(382, 461));
        rig.flow->unload(QStringLiteral("Titlefrm"));
        rig.collect();

        QStringList names{QStringLiteral("intro0")};
        for (int k = 1; k <= 6; ++k) names << QStringLiteral("menu%1").arg(k);
        for (const ScreenEntry& e : topicCatalogue().entries()) names << e.name;
        for (const QString& name : names) {
            Form* s = rig.open(name);
            QVERIFY2(s && s->isVisible(), qPrintable(name));
            QVERIFY2(s->pos() == screen, qPrintable(QStringLiteral("%1 at %2,%3").arg(name).arg(s->x()).arg(s->y())));
            QCOMPARE(s->size(), QSize(800, 600));
            rig.flow->unload(name);
            rig.collect();
        }
    }

    // A laptop and a projector beside it as one desktop: the teacher drags the title screen
    // onto the projector, and every screen the lesson then opens opens there, placed for the
    // projector; a screen moved back to the laptop takes the lesson back with it, the menu
    // behind an exercise included.
    void theLessonStaysOnTheDisplayItWasMovedTo() {
        Rig rig;
        rig.desktop.size = QSize(1366 * 15, 768 * 15);
        rig.desktop.others = {QRect(1366 * 15, 0, 1920 * 15, 1080 * 15)};
        const QPoint onLaptop(227, 84), onProjector(1870, 240);  // 840 twips left of centre
        rig.flow->start();
        auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QCOMPARE(title->pos(), QPoint(492, 154));

        title->move(1500, 50);  // as the window manager moves it
        clickOn(*title->Command1);
        auto* start = rig.screen<intro0>(QStringLiteral("intro0"));
        QVERIFY(start && start->isVisible());
        QCOMPARE(start->pos(), onProjector);
        clickOn(*start->Label2(0));
        auto* menu = rig.screen<MenuScreen>(QStringLiteral("menu1"));
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->pos(), onProjector);
        clickOn(*menu->Label3(0));
        Form* exercise = rig.screen(QStringLiteral("basic"));
        QVERIFY(exercise && exercise->isVisible());
        QCOMPARE(exercise->pos(), onProjector);
        QCOMPARE(exercise->size(), QSize(800, 600));

        exercise->move(300, 100);
        clickOn(*exercise->find<PictureButton>(QStringLiteral("cmdexit")));
        QCOMPARE(rig.flow->front(), QStringLiteral("menu1"));
        QCOMPARE(menu->pos(), onLaptop);
        clickOn(*menu->Command1);
        start = rig.screen<intro0>(QStringLiteral("intro0"));
        QCOMPARE(start->pos(), onLaptop);
        clickOn(*start->Command1);
        title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QCOMPARE(title->pos(), QPoint(492, 154));
    }

    void screenLackingControlsIsPreparedWithoutError() {
        Rig rig;
        Sparse s(rig.clock);
        s.setIcon(QIcon(QStringLiteral(":/icon/quillmark.png")));
        rig.m.PrepareScreen(s);
        QCOMPARE(s.BackColor(), QColor(49, 135, 214));
        QVERIFY(!s.hasIcon());
        QCOMPARE(s.Width(), 12000.0);
        QCOMPARE(QRectF(s.cmdgo->Left(), s.cmdgo->Top(), s.cmdgo->Width(), s.cmdgo->Height()),
                 QRectF(10020, 7920, 1785, 500));
        QVERIFY(!s.cmdgo->picture().isNull());
        QVERIFY(!s.cmdgo->TabStop());
        QCOMPARE(s.imgtick->Left(), 10740.0);
        QVERIFY(!s.imgtick->Visible());
        QCOMPARE(s.board->Left(), 11.0);
    }

    void missingFilesOnlySkipTheirSteps() {
        QTemporaryDir dir;
        copyAssets(assetsFolder(), dir.path(), {QStringLiteral("next.jpg"), QStringLiteral("BOARD.WMF")});
        Rig rig(dir.path());
        auto* s = rig.open<ExerciseScreen>(QStringLiteral("active"));
        QVERIFY(s->cmdgo->picture().isNull());
        QCOMPARE(s->cmdgo->Left(), 10020.0);
        QVERIFY(s->Image1->picture().isNull());
        QCOMPARE(s->Image1->Left(), 10200.0);
        QVERIFY(!s->cmdexit->picture().isNull());
        QVERIFY(!s->imgtick->picture().isNull());
        QVERIFY(rig.fatal.message.isEmpty());

        QTemporaryDir empty;
        Rig bare(empty.path());
        auto* t = bare.open<ExerciseScreen>(QStringLiteral("formal"));
        QVERIFY(t);
        QVERIFY(t->cmdexit->picture().isNull());
        QCOMPARE(t->imgcross->Top(), 180.0);
        QVERIFY(bare.fatal.message.isEmpty());
    }

    void damagedBoardIsSkipped() {
        QTemporaryDir dir;
        copyAssets(assetsFolder(), dir.path(), {QStringLiteral("BOARD.WMF")});
        QFile f(dir.path() + QStringLiteral("/Images/BOARD.WMF"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\xD7\xCD\xC6\x9A\0\0garbage", 14));
        f.close();
        Rig rig(dir.path());
        auto* s = rig.open<ExerciseScreen>(QStringLiteral("tenses"));
        QVERIFY(s->Image1->picture().isNull());
        QVERIFY(rig.fatal.message.isEmpty());
    }

    void pictureOutsidePreparationIsFatal() {
        QTemporaryDir dir;
        copyAssets(assetsFolder(), dir.path(), {QStringLiteral("literacy22.jpg")});
        Rig rig(dir.path());
        QVERIFY_THROWS_EXCEPTION(FatalErrorRaised, rig.flow->show(QStringLiteral("menu1")));
        QVERIFY(rig.fatal.title.startsWith(QStringLiteral("Run-time error")));
        QVERIFY(rig.fatal.message.contains(QStringLiteral("Images\\literacy22.jpg")));

        QTemporaryDir bad;
        copyAssets(assetsFolder(), bad.path(), {QStringLiteral("startl00.jpg")});
        QFile f(bad.path() + QStringLiteral("/opening2/startl00.jpg"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        Rig broken(bad.path());
        QVERIFY_THROWS_EXCEPTION(FatalErrorRaised, broken.flow->start());
        QVERIFY(broken.fatal.message.contains(QStringLiteral("opening2\\startl00.jpg")));
        QVERIFY(broken.fatal.message.contains(QStringLiteral("Invalid picture")));
    }

    void titleScreenKeepsItsSizeAndCentresExactly() {
        Rig rig;
        rig.desktop.size = QSize(19200, 14400);
        rig.flow->start();
        auto* t = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QCOMPARE(t->Width(), 5730.0);
        QCOMPARE(t->Height(), 6915.0);
        QCOMPARE(t->width(), 382);
        QCOMPARE(t->height(), 461);
        QCOMPARE(t->Left(), 9600 - 2865.0);
        QCOMPARE(t->Top(), 7200 - 3457.5);
        QVERIFY(t->hasIcon());
        QCOMPARE(t->Caption(), QStringLiteral(" "));
        QVERIFY(!t->Picture1->picture().isNull());
        QCOMPARE(t->Frame1->Top(), -90.0);
        QCOMPARE(t->Label4->Caption(), QStringLiteral("Quillmark"));
        QCOMPARE(t->Label1->Caption(), QStringLiteral(" Years 5 and 6   Sentence Level Work"));
        QCOMPARE(t->Label1->linesNeeded(), 2);
        QCOMPARE(t->Label2->linesNeeded(), 1);
        QVERIFY(t->Label3->Caption().startsWith(QStringLiteral("By ")));
        QVERIFY(t->Label5->Caption().startsWith(QStringLiteral("Programming")));
        QVERIFY(t->Label6->Caption().startsWith(QStringLiteral("Series Editor")));
        QVERIFY(t->Command1->TabStop());
    }

    // Every label and button of the title screen in its place (within Frame1), font and
    // colour, and the two buttons first and second in the tab order.
    void titleScreenLayout() {
        Rig rig;
        rig.flow->start();
        auto* t = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QVERIFY(t);
        const auto place = [](const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); };
        QCOMPARE(t->BackColor(), QColor(192, 192, 192));
        QCOMPARE(place(t->Frame1), QRectF(0, -90, 5820, 7020));
        QCOMPARE(t->Frame1->parentWidget(), t);
        QCOMPARE(place(t->Picture1), QRectF(420, 1560, 4800, 3600));
        QCOMPARE(t->Picture1->parentWidget(), t->Frame1);

        struct Look {
            Label* label;
            QRectF place;
            const char* font;
            double points;
            bool bold;
            QColor fore;
            const char* text;  // the whole caption, or how it starts
        };
        const QColor blue(0, 0, 255);
        const Look looks[] = {
            {t->Label4, {60, 180, 5595, 615}, "Times New Roman", 20.25, true, blue, "Quillmark"},
            {t->Label1, {960, 720, 3675, 735}, "Times New Roman", 18, true, QColor(255, 128, 0),
             " Years 5 and 6   Sentence Level Work"},
            {t->Label3, {600, 5280, 4455, 495}, "Times New Roman", 15.75, false, blue, "By "},
            {t->Label5, {600, 5640, 4575, 375}, "Times New Roman", 12, false, blue, "Programming"},
            {t->Label6, {600, 5970, 4575, 375}, "Times New Roman", 12, false, blue, "Series Editor"},
            {t->Label2, {120, 6780, 5415, 255}, "Arial", 8.25, false, blue, ""},
        };
        for (const Look& l : looks) {
            const QByteArray nameText = l.label->Name().toLatin1();
            const char* name = nameText.constData();
            QVERIFY2(place(l.label) == l.place, name);
            QCOMPARE(l.label->parentWidget(), t->Frame1);
            QCOMPARE(l.label->Font().name, QString::fromLatin1(l.font));
            QCOMPARE(l.label->Font().points, l.points);
            QCOMPARE(l.label->Font().bold, l.bold);
            QCOMPARE(l.label->ForeColor(), l.fore);
            QVERIFY2(l.label->backStyle() == BackStyle::Transparent, name);
            QVERIFY2(l.label->BorderStyle() == Border::None, name);
            QVERIFY2(l.label->Alignment() == Align::Center, name);
            QVERIFY2(l.label->Caption().startsWith(QString::fromLatin1(l.text)), name);
        }
        QVERIFY(!t->Label2->Caption().isEmpty());

        struct Button {
            PictureButton* button;
            double left;
            const char* caption;
        };
        for (const Button& b : {Button{t->Command1, 1440, "OK"}, Button{t->Command2, 2880, "Exit"}}) {
            QCOMPARE(place(b.button), QRectF(b.left, 6360, 1335, 375));
            QCOMPARE(b.button->parentWidget(), t->Frame1);
            QCOMPARE(b.button->Caption(), QString::fromLatin1(b.caption));
            QVERIFY(b.button->TabStop());
            // The face the user sees is light grey.
            const QImage face = b.button->grab().toImage();
            QCOMPARE(face.pixelColor(6, 6), QColor(192, 192, 192));
            QCOMPARE(face.pixelColor(face.width() - 8, face.height() - 8), QColor(192, 192, 192));
        }
        // The tab order, as the focus moves from the window: OK first, then Exit, and
        // nothing else takes the focus.
        QList<QWidget*> stops;
        for (QWidget* w = t->nextInFocusChain(); w != t; w = w->nextInFocusChain())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) stops << w;
        QCOMPARE(stops, (QList<QWidget*>{t->Command1, t->Command2}));
    }

    void startScreen() {
        Rig rig;
        rig.m.SoundOn = 1;
        auto* s = rig.open<intro0>(QStringLiteral("intro0"));
        QCOMPARE(s->BackColor(), QColor(49, 135, 215));
        QCOMPARE(s->Option1->BackColor(), QColor(93, 88, 250));
        QVERIFY(!s->picture().isNull());
        // The board that preparation put into Image1 gives way to the menus' background.
        QVERIFY(!s->Image1->picture().isNull());
        QVERIFY(!s->Image1->picture().isMetafile());
        QVERIFY(!s->Image1->Visible());
        QCOMPARE(s->Image2->Width(), s->Image2->picture().sizeTwips().width() * 1.0);
        QCOMPARE(s->Command1->Left(), 90.0);
        QVERIFY(s->Option1->Value());
        for (int i = 0; i < 6; ++i) {
            QVERIFY(s->Label2(i)->Visible());
            QCOMPARE(s->Label2(i)->Caption(), QStringLiteral("Term %1").arg(i % 3 + 1));
            QCOMPARE(s->Label2(i)->Left(), i < 3 ? 120.0 : 9720.0);
            QCOMPARE(s->Label2(i)->Top(), 3840.0 + 840 * (i % 3));
        }
        QCOMPARE(s->Label1->linesNeeded(), 2);
        QCOMPARE(s->Label8->linesNeeded(), 1);
        QCOMPARE(s->Label3->linesNeeded(), 1);
        QVERIFY(s->Label7->textHeightTwips() <= s->Label7->Height());

        // Every control in its place, font and colour.
        struct Look {
            Label* label;
            QRectF place;
            const char* font;
            double points;
            bool bold;
            QColor fore;
            QColor back;  // invalid: transparent
            bool box;
            const char* text;
        };
        const QColor yellow(255, 255, 0), black(0, 0, 0), orange(255, 128, 0);
        const Look looks[] = {
            {s->Label1, {390, 120, 11220, 1500}, "Tahoma", 27.75, true, black, yellow, true,
             "Quillmark\nYears 5 and 6 - Sentence Level Work"},
            {s->Label6, {120, 1920, 2040, 375}, "Tahoma", 9.75, true, black, yellow, true, "Teachers' Guide"},
            {s->Label7, {120, 2340, 3255, 735}, "Tahoma", 9.75, true, QColor(0, 0, 128), yellow, false,
             "Please note: the Teachers' Guide is available as a Word document on the CD-ROM."},
            {s->Label4, {120, 3120, 2055, 495}, "Tahoma", 24, true, orange, QColor(), false, "Year 5"},
            {s->Label5, {9720, 3120, 2055, 495}, "Tahoma", 24, true, orange, QColor(), false, "Year 6"},
            {s->Label8, {6480, 7680, 3315, 375}, "Arial", 12, true, yellow, black, true, nullptr},
            {s->Label3, {6360, 8160, 3480, 375}, "Tahoma", 9.75, false, yellow, QColor(), false, nullptr},
            {s->Label2(0), {120, 3840, 2040, 495}, "Tahoma", 18, true, black, yellow, true, "Term 1"},
        };
        for (const Look& l : looks) {
            QCOMPARE(QRectF(l.label->Left(), l.label->Top(), l.label->Width(), l.label->Height()), l.place);
            QCOMPARE(l.label->Font().name, QString::fromLatin1(l.font));
            QCOMPARE(l.label->Font().points, l.points);
            QCOMPARE(l.label->Font().bold, l.bold);
            QCOMPARE(l.label->ForeColor(), l.fore);
            QCOMPARE(l.label->backStyle() == BackStyle::Opaque, l.back.isValid());
            if (l.back.isValid()) QCOMPARE(l.label->BackColor(), l.back);
            QCOMPARE(l.label->BorderStyle() == Border::FixedSingle, l.box);
            QVERIFY(l.label->Alignment() == Align::Center);
            if (l.text) QCOMPARE(l.label->Caption(), QString::fromUtf8(l.text));
        }
        QCOMPARE(QRectF(s->Option1->Left(), s->Option1->Top(), s->Option1->Width(), s->Option1->Height()),
                 QRectF(360, 6600, 1455, 255));
        QCOMPARE(s->Option2->Top(), 6960.0);
        QCOMPARE(s->Option1->Caption(), QStringLiteral("Sound On"));
        QCOMPARE(s->Option2->Caption(), QStringLiteral("Sound Off"));
        QCOMPARE(s->Image2->Left(), 10020.0);
        QCOMPARE(s->Image2->Top(), 6270.0);

        // The note shows over "Teachers' Guide", stays over other controls and hides over
        // the bare background.
        QVERIFY(!s->Label7->Visible());
        s->Label6->MouseMove({});
        QVERIFY(s->Label7->Visible());
        s->Label2(0)->MouseMove({});
        s->Label4->MouseMove({});
        QVERIFY(s->Label7->Visible());
        s->onMouseMove({});
        QVERIFY(!s->Label7->Visible());

        // The web link opens the maker's page and stays on this screen, silently.
        s->Label8->Click();
        QCOMPARE(rig.web.opened, QStringList{intro0::kWebAddress});
        QCOMPARE(rig.flow->front(), QStringLiteral("intro0"));
        QVERIFY(rig.sound.played.isEmpty());

        // The sound options set the switch and make no sound.
        s->Option2->setValue(true);
        QVERIFY(rig.m.SoundOn == 0);
        s->Option1->setValue(true);
        QVERIFY(rig.m.SoundOn == 1);
        QVERIFY(rig.sound.played.isEmpty());
    }

    // The note under "Teachers' Guide" as a real pointer moves: it shows over the guide
    // label, stays while the pointer crosses "Year 5" and a term label, and hides over
    // the bare background.
    void noteFollowsThePointer() {
        Rig rig;
        auto* s = rig.open<intro0>(QStringLiteral("intro0"));
        const QPoint bare(400, 200);  // 6000, 3000 twips: no control there
        QVERIFY(!s->childAt(bare));
        QCOMPARE(s->childAt(centreOf(*s->Label6)), s->Label6);
        moveTo(*s, bare);
        QVERIFY(!s->Label7->Visible());
        moveTo(*s, centreOf(*s->Label6));
        QVERIFY(s->Label7->Visible());
        moveTo(*s, centreOf(*s->Label4));  // "Year 5"
        QVERIFY(s->Label7->Visible());
        moveTo(*s, centreOf(*s->Label2(0)));
        QVERIFY(s->Label7->Visible());
        moveTo(*s, bare);
        QVERIFY(!s->Label7->Visible());
        // Back over the guide, then out over the window's background below it.
        moveTo(*s, centreOf(*s->Label6));
        QVERIFY(s->Label7->Visible());
        moveTo(*s, QPoint(300, 300));
        QVERIFY(!s->childAt(QPoint(300, 300)));
        QVERIFY(!s->Label7->Visible());
    }

    void startScreenRemembersSoundOffAndStillOpensMenus() {
        Rig rig;
        rig.m.SoundOn = 0;
        auto* s = rig.open<intro0>(QStringLiteral("intro0"));
        QVERIFY(s->Option2->Value());
        QVERIFY(!s->Option1->Value());
        s->Label2(4)->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("menu5"));
        QVERIFY(rig.sound.played.isEmpty());
    }

    void menuLayouts_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("title");
        QTest::newRow("menu1") << 1 << 4455.0 << "Year 5 - Term 1";
        QTest::newRow("menu2") << 2 << 4455.0 << "Year 5 - Term 2";
        QTest::newRow("menu3") << 3 << 3735.0 << "Year 5 - Term 3";
        QTest::newRow("menu4") << 4 << 4455.0 << "Year 6 - Term 1";
        QTest::newRow("menu5") << 5 << 5055.0 << "Year 6 - Term 2";
        QTest::newRow("menu6") << 6 << 3735.0 << "Year 6 - Term 3";
    }
    void menuLayouts() {
        QFETCH(int, k);
        QFETCH(double, width);
        QFETCH(QString, title);
        Rig rig;
        rig.desktop.size = QSize(19200, 14400);
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu%1").arg(k));
        QCOMPARE(menu->Left(), 2760.0);
        QCOMPARE(menu->BackColor(), QColor(49, 135, 215));
        QVERIFY(!menu->picture().isNull());
        QCOMPARE(menu->Label1->Caption(), title);
        QCOMPARE(menu->Label1->Left(), (12000 - 6270) / 2.0);
        QCOMPARE(menu->Label1->Top(), 120.0);
        QCOMPARE(menu->Label1->Width(), 6270.0);
        QCOMPARE(menu->Label1->Height(), 900.0);
        QCOMPARE(menu->Label1->Font().name, QStringLiteral("Tahoma"));
        QCOMPARE(menu->Label1->Font().points, 36.0);
        QVERIFY(menu->Label1->Font().bold);
        QCOMPARE(menu->Label1->BackColor(), QColor(255, 255, 0));
        QVERIFY(menu->Label1->BorderStyle() == Border::FixedSingle);
        QCOMPARE(menu->Caption().isEmpty(), false);
        QCOMPARE(menu->Label1->linesNeeded(), 1);
        QCOMPARE(menu->Label3.count(), 5);
        for (int i = 0; i < 5; ++i) {
            Label* t = menu->Label3(i);
            QCOMPARE(t->Width(), width);
            QCOMPARE(t->Height(), 495.0);
            QCOMPARE(t->Left(), (12000 - width) / 2);
            QCOMPARE(t->Top(), 3000.0 + 750 * i);
            QVERIFY(t->Visible());
            QCOMPARE(t->BackColor(), QColor(0, 0, 0));
            QCOMPARE(t->ForeColor(), QColor(255, 255, 0));
            QCOMPARE(t->Font().points, 15.75);
            QCOMPARE(t->Font().name, QStringLiteral("Tahoma"));
            QVERIFY(t->Font().bold);
            QVERIFY(t->BorderStyle() == Border::FixedSingle);
            QVERIFY2(t->linesNeeded() == 1, qPrintable(t->Caption()));
        }
        QCOMPARE(menu->Label2.count(), 3);
        for (int i = 0; i < 3; ++i) {
            Label* t = menu->Label2(i);
            QCOMPARE(t->Caption(), QStringLiteral("Term %1").arg(i + 1));
            QCOMPARE(t->Left(), 9600.0);
            QCOMPARE(t->Top(), 3000.0 + 750 * i);
            QCOMPARE(t->Width(), 2235.0);
            QCOMPARE(t->Height(), 495.0);
            QCOMPARE(t->BackColor(), QColor(0, 0, 255));
            QCOMPARE(t->ForeColor(), QColor(255, 255, 0));
            QCOMPARE(t->Font().points, 18.0);
            QVERIFY(t->Font().bold);
            QVERIFY(t->BorderStyle() == Border::FixedSingle);
            QVERIFY(t->Visible());
        }
        QCOMPARE(menu->Command1->Left(), 90.0);
        QCOMPARE(menu->Command1->Top(), 7920.0);
        QVERIFY(!menu->Command1->picture().isNull());
    }
};

QTEST_MAIN(PrepareTest)
#include "test_prepare.moc"
