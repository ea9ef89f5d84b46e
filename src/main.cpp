// Quillmark: grammar and punctuation at sentence level for Years 5 and 6.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>

#include "controls/fonts.h"
#include "platform/platform.h"
#include "platform/termination.h"
#include "platform/workdir.h"
#include "shell/flow.h"
#include "shell/module1.h"
#include "topics/catalogue.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setQuitOnLastWindowClosed(false);
    qm::installFonts();

    const QString folder = qm::findWorkingFolder(
        qm::workingFolderCandidates(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (folder.isEmpty()) {
        const QString message = QStringLiteral("Path not found: Images");
        std::fprintf(stderr, "Quillmark: %s\n", qPrintable(message));
        QMessageBox::critical(nullptr, QStringLiteral("Run-time error '76'"), message);
        return 1;
    }
    QDir::setCurrent(folder);

    qm::RealClock clock;
    qm::RealRandom random;
    qm::RealSoundPlayer sound(folder);
    qm::PictureStore pictures(folder);
    qm::RealWebLauncher web;
    qm::RealDesktop desktop;
    qm::RealFatalReporter fatal;
    qm::RealSession session;
    qm::Module1 module1({clock, random, sound, pictures, web, desktop, fatal, session});
    qm::ScreenFlow flow(module1, qm::topicCatalogue());
    if (qEnvironmentVariableIsSet("QUILLMARK_TRACE"))
        flow.trace = [](const QString& what) { std::fprintf(stderr, "quillmark: %s\n", qPrintable(what)); };
    qm::onTerminationRequest([&flow] { flow.end(); });
    flow.start();
    return app.exec();
}
