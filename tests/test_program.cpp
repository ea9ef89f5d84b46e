// The real program, started offscreen from an unrelated folder: it shows its title
// screen and ends cleanly when asked to.

#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>

#include "rig.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include <QTemporaryDir>
#include <QtTest>

#ifdef QM_TEST_XCB
#include <xcb/xcb.h>
#endif

namespace {

// A virtual X display of the given size, for as long as the object lives.
struct VirtualDisplay {
    explicit VirtualDisplay(const QString& size) {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) return;
        server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                            QStringLiteral("0"), size, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server.waitForStarted(10000)) return;
        QByteArray number;
        QDeadlineTimer ready(20000);
        while (!number.contains('\n') && !ready.hasExpired() && server.state() == QProcess::Running) {
            server.waitForReadyRead(200);
            number += server.readAllStandardOutput();
        }
        if (number.contains('\n')) name = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }
    ~VirtualDisplay() {
        server.terminate();
        server.waitForFinished(5000);
    }
    QProcess server;
    QString name;  // empty when no display could be started
};

// The program started on a display, with its trace read as it comes.
struct Started {
    Started(const QString& display, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QUILLMARK_TRACE"), QStringLiteral("1"));
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(elsewhere.path());
        program.start(qEnvironmentVariable("QM_EXECUTABLE"), args);
    }
    ~Started() {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }
    // Waits until the trace has a line matching the pattern; returns the match.
    QRegularExpressionMatch waitFor(const QString& pattern, int ms = 30000) {
        const QRegularExpression re(pattern);
        QDeadlineTimer deadline(ms);
        for (;;) {
            const QRegularExpressionMatch m = re.match(QString::fromLatin1(err));
            if (m.hasMatch() || deadline.hasExpired() || program.state() != QProcess::Running) return m;
            program.waitForReadyRead(100);
            err += program.readAllStandardError();
        }
    }
    QTemporaryDir elsewhere;
    QProcess program;
    QByteArray err;
};

// Runs a command to its end and gives what it printed.
QString run(const QString& command, const QStringList& args, const QString& display) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    p.setProcessEnvironment(env);
    p.start(command, args);
    p.waitForFinished(10000);
    return QString::fromLatin1(p.readAllStandardOutput());
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTitleScreenAndEndsCleanly() {
        const QString exe = qEnvironmentVariable("QM_EXECUTABLE");
        QVERIFY2(QFileInfo::exists(exe), "QM_EXECUTABLE names the built program");
        QTemporaryDir elsewhere;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUILLMARK_TRACE"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(elsewhere.path());
        program.start(exe, {});
        QVERIFY(program.waitForStarted(10000));

        QByteArray err;
        QDeadlineTimer deadline(30000);
        while (!err.contains("show Titlefrm") && !deadline.hasExpired() && program.state() == QProcess::Running) {
            program.waitForReadyRead(500);
            err += program.readAllStandardError();
        }
        QVERIFY2(err.contains("quillmark: show Titlefrm"), err.constData());
        QCOMPARE(program.state(), QProcess::Running);

#ifdef Q_OS_WIN
        // Windows asks a program to end by closing its windows, and offscreen it has none:
        // tools/windows/screens.sh closes the real program's window instead.
        program.kill();
        program.waitForFinished(20000);
        QSKIP("no window to close offscreen");
#endif
        program.terminate();
        QVERIFY(program.waitForFinished(20000));
        err += program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(err.contains("quillmark: end"), err.constData());
        QVERIFY2(!err.contains("Run-time error"), err.constData());
    }

    // The whole-class display on a real (virtual) X display twice the screens' size: every
    // window is drawn at twice its size, and a pupil's click at a place of the large window
    // lands on the same control as the same click on the small one.
    void classroomDisplayScalesWindowsAndClicks() {
#ifndef QM_TEST_XCB
        QSKIP("built without the X client library");
#else
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty()) QSKIP("no xdotool (tools/deps.sh installs it)");
        VirtualDisplay display(QStringLiteral("1600x1248x24"));
        if (display.name.isEmpty()) QSKIP("no Xvfb (tools/deps.sh installs it)");

        // Where the controls lie in their windows at the screens' own size.
        qm::test::Rig rig;
        rig.flow->start();
        auto* title = rig.screen<qm::Titlefrm>(QStringLiteral("Titlefrm"));
        const QPoint ok = qm::test::centreOf(*title->Command1);
        auto* start = rig.open<qm::intro0>(QStringLiteral("intro0"));
        const QPoint term = qm::test::centreOf(*start->Label2(4));  // Year 6 Term 2

        Started quillmark(display.name, {QStringLiteral("--classroom")});
        QVERIFY(quillmark.program.waitForStarted(10000));
        const auto painted = quillmark.waitFor(QStringLiteral("painted Titlefrm \\(window ([0-9]+)\\)"));
        QVERIFY2(painted.hasMatch(), quillmark.err.constData());
        QVERIFY2(quillmark.err.contains("classroom scale 2.00"), quillmark.err.constData());

        const auto geometryOf = [&](const QString& window) {
            const QString out = run(xdotool, {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window},
                                    display.name);
            QMap<QString, int> g;
            for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                g[line.section(QLatin1Char('='), 0, 0)] = line.section(QLatin1Char('='), 1).toInt();
            return g;
        };
        const auto clickAt = [&](const QMap<QString, int>& g, QPoint logical) {
            const QPoint native(g[QStringLiteral("X")] + 2 * logical.x(), g[QStringLiteral("Y")] + 2 * logical.y());
            run(xdotool, {QStringLiteral("mousemove"), QString::number(native.x()), QString::number(native.y()),
                          QStringLiteral("click"), QStringLiteral("1")},
                display.name);
        };

        const auto titleWindow = geometryOf(painted.captured(1));
        QCOMPARE(titleWindow[QStringLiteral("WIDTH")], 2 * title->width());
        QCOMPARE(titleWindow[QStringLiteral("HEIGHT")], 2 * title->height());
        clickAt(titleWindow, ok);
        const auto shown = quillmark.waitFor(QStringLiteral("painted intro0 \\(window ([0-9]+)\\)"));
        QVERIFY2(shown.hasMatch(), quillmark.err.constData());

        const auto startWindow = geometryOf(shown.captured(1));
        QCOMPARE(startWindow[QStringLiteral("WIDTH")], 1600);
        QCOMPARE(startWindow[QStringLiteral("HEIGHT")], 1200);
        clickAt(startWindow, term);
        QVERIFY2(quillmark.waitFor(QStringLiteral("show menu5")).hasMatch(), quillmark.err.constData());
#endif
    }

    // On a real X display: when another program destroys the screen's window (rather than
    // closing it through the window manager), the run ends as a close would, instead of
    // going on with no window at all.
    void windowDestroyedByAnotherProgramEndsTheRun() {
#ifndef QM_TEST_XCB
        QSKIP("built without the X client library");
#else
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) QSKIP("no Xvfb (tools/deps.sh installs it)");
        QProcess server;
        server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp")});
        QVERIFY(server.waitForStarted(10000));
        QByteArray number;
        QDeadlineTimer ready(20000);
        while (!number.contains('\n') && !ready.hasExpired() && server.state() == QProcess::Running) {
            server.waitForReadyRead(200);
            number += server.readAllStandardOutput();
        }
        QVERIFY2(number.contains('\n'), "Xvfb told no display number");
        const QString display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());

        QTemporaryDir elsewhere;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QUILLMARK_TRACE"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(elsewhere.path());
        program.start(qEnvironmentVariable("QM_EXECUTABLE"), {});
        QVERIFY(program.waitForStarted(10000));
        QByteArray err;
        const QRegularExpression painted(QStringLiteral("painted Titlefrm \\(window ([0-9]+)\\)"));
        QRegularExpressionMatch match;
        QDeadlineTimer deadline(30000);
        while (!(match = painted.match(QString::fromLatin1(err))).hasMatch() && !deadline.hasExpired() &&
               program.state() == QProcess::Running) {
            program.waitForReadyRead(200);
            err += program.readAllStandardError();
        }
        QVERIFY2(match.hasMatch(), err.constData());
        const auto window = xcb_window_t(match.captured(1).toULongLong());
        QVERIFY(window != 0);

        xcb_connection_t* x = xcb_connect(qPrintable(display), nullptr);
        QVERIFY(x && !xcb_connection_has_error(x));
        xcb_generic_error_t* error = xcb_request_check(x, xcb_destroy_window_checked(x, window));
        const int errorCode = error ? error->error_code : 0;
        free(error);
        xcb_disconnect(x);
        QCOMPARE(errorCode, 0);  // the window was there, and is gone

        const bool ended = program.waitForFinished(15000);
        err += program.readAllStandardError();
        if (!ended) program.kill();
        server.terminate();
        server.waitForFinished(5000);
        QVERIFY2(ended, err.constData());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(err.contains("quillmark: end"), err.constData());
#endif
    }
};

QTEST_MAIN(ProgramTest)
#include "test_program.moc"
