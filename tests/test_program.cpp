// The real program, started offscreen from an unrelated folder: it shows its title
// screen and ends cleanly when asked to.

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#ifdef QM_TEST_XCB
#include <xcb/xcb.h>
#endif

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

        program.terminate();
        QVERIFY(program.waitForFinished(20000));
        err += program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(err.contains("quillmark: end"), err.constData());
        QVERIFY2(!err.contains("Run-time error"), err.constData());
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

QTEST_GUILESS_MAIN(ProgramTest)
#include "test_program.moc"
