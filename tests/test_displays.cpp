// A laptop and a projector as one extended desktop, as the window system reports them
// (the offscreen platform given two displays), with the whole-class display on: each
// display gets its own scale, and a screen the teacher drags onto the projector takes the
// lesson with it, every new screen opening there, drawn at the projector's scale.

#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "controls/fonts.h"
#include "platform/classroom.h"
#include "rig.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/titlefrm.h"
#include "topics/catalogue.h"

using namespace qm;
using namespace qm::test;

class DisplaysTest : public QObject {
    Q_OBJECT
private slots:
    void theLessonFollowsTheTeacherOntoTheProjector() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        ManualClock clock;
        ScriptedRandom random;
        RecordingSoundPlayer sound;
        PictureStore pictures(assetsFolder());
        RecordingWebLauncher web;
        RealDesktop desktop;
        RecordingFatalReporter fatal;
        RecordingSession session;
        Module1 m({clock, random, sound, pictures, web, desktop, fatal, session});
        ScreenFlow flow(m, topicCatalogue());
        const auto displayOf = [](const QWidget* w) { return w->screen()->name(); };

        // 1366 x 768 takes 1.2; 1920 x 1080 takes 1.7, which makes it 1129 x 635 to the screens.
        flow.start();
        auto* title = static_cast<Titlefrm*>(flow.screen(QStringLiteral("Titlefrm")));
        QCOMPARE(displayOf(title), QStringLiteral("laptop"));
        QCOMPARE(qRound(title->devicePixelRatioF() * 100), 120);

        title->move(1500, 50);  // dragged onto the projector
        QCOMPARE(displayOf(title), QStringLiteral("projector"));
        clickOn(*title->Command1);
        auto* start = static_cast<intro0*>(flow.screen(QStringLiteral("intro0")));
        QVERIFY(start && start->isVisible());
        QCOMPARE(displayOf(start), QStringLiteral("projector"));
        QCOMPARE(qRound(start->devicePixelRatioF() * 100), 170);
        QCOMPARE(start->pos(), QPoint(1475, 18));  // 840 twips left of the projector's centre
        QCOMPARE(start->size(), QSize(800, 600));

        clickOn(*start->Label2(0));
        Form* menu = flow.screen(QStringLiteral("menu1"));
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(displayOf(menu), QStringLiteral("projector"));
        QCOMPARE(menu->pos(), QPoint(1475, 18));
    }
};

int main(int argc, char** argv) {
    // Qt reads the platform's options up to each colon: the file is named without its drive
    // letter, on the drive the test runs from (Windows).
    QByteArray config = QM_SOURCE_TESTS "/two-displays.json";
    if (config.size() > 1 && config[1] == ':') config.remove(0, 2);
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
    prepareClassroomDisplay(argc, argv);
    QApplication app(argc, argv);
    installFonts();
    DisplaysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_displays.moc"
