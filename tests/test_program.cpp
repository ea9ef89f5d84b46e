// The real program, started offscreen from an unrelated folder: it shows its title
// screen and ends cleanly when asked to.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "test_program.moc"
