// Quillmark: grammar and punctuation at sentence level for Years 5 and 6.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QMessageBox>
#include <QSet>
#include <QTimer>
#include <cstdio>

#include "controls/accessibility.h"
#include "exercise/banks/bank_folders.h"
#include "controls/fonts.h"
#include "controls/form.h"
#include "platform/classroom.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/termination.h"
#include "platform/windowwatch.h"
#include "platform/workdir.h"
#include "shell/flow.h"
#include "shell/module1.h"
#include "topics/catalogue.h"
#include "worksheets/command.h"
#include "worksheets/window.h"

namespace {

// With the trace on: tells when each screen has been painted for the first time.
class PaintTrace final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* form = qobject_cast<qm::Form*>(static_cast<QWidget*>(watched)->window());
            if (form && !painted_.contains(form->Name())) {
                painted_.insert(form->Name());
                const QString name = form->Name();
                // Reported once the paint has run, at the next turn of the event loop.
                const auto window = quintptr(form->internalWinId());
                QTimer::singleShot(0, [name, window] {
                    std::fprintf(stderr, "quillmark: painted %s (window %llu)\n", qPrintable(name),
                                 (unsigned long long)window);
                });
            }
        }
        return false;
    }

private:
    QSet<QString> painted_;
};

}  // namespace

int main(int argc, char** argv) {
    qm::attachToConsole();
    const qm::BankOptions banks = qm::parseBankOptions(qm::commandLine(argc, argv));
    qm::nameTheProgram();
    if (!banks.error.isEmpty() || banks.help) {
        if (!banks.error.isEmpty()) std::fprintf(stderr, "quillmark: %s\n\n", qPrintable(banks.error));
        std::fprintf(banks.error.isEmpty() ? stdout : stderr, "%s", qPrintable(qm::bankUsage(qm::standardBankFolders())));
        return banks.error.isEmpty() ? 0 : 2;
    }
    if (banks.version) {
        std::printf("quillmark %s\n", QM_VERSION);
        return 0;
    }
    // Exporting and checking banks open no window: they measure texts at the real fonts
    // without a display, and end with their status.
    const bool bankCommand = banks.exportTo || banks.check || banks.worksheet;
    if (bankCommand && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    // "--classroom" draws every screen as large as the display allows.
    const double scale =
        !bankCommand && qm::classroomRequested(argc, argv) ? qm::prepareClassroomDisplay(argc, argv) : 1.0;
    QApplication app(argc, argv);
    qm::nameTheProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    qm::installFonts();
    if (banks.banks && !QFileInfo(*banks.banks).isDir() && (banks.worksheet || banks.worksheets))
        std::fprintf(stderr, "quillmark: %s: no such folder; every exercise prints its own questions\n",
                     qPrintable(*banks.banks));
    if (banks.worksheet) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        const auto teacher =
            qm::loadTeacherBanks(qm::topicCatalogue(), qm::chosenBankFolders(banks.banks, qm::standardBankFolders()));
        return qm::runWorksheetCommand(qm::topicCatalogue(), teacher,
                                       {*banks.worksheet, banks.questions, banks.seed, banks.output, banks.answers}, out,
                                       err);
    }
    if (banks.worksheets) {
        QApplication::setQuitOnLastWindowClosed(true);
        qm::installAccessibility();
        qm::WorksheetWindow window(qm::topicCatalogue(), qm::loadTeacherBanks(qm::topicCatalogue(),
                                                                              qm::chosenBankFolders(banks.banks, qm::standardBankFolders())));
        window.show();
        return app.exec();
    }
    if (bankCommand) {
        QTextStream out(stdout);
        return banks.check ? qm::checkBankFolder(qm::topicCatalogue(), *banks.check, out)
                           : qm::exportBankFiles(qm::topicCatalogue(), *banks.exportTo, out);
    }
    qm::installAccessibility();

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
    // A teacher's bank files: each one that passes its checks replaces its screen's own rows.
    module1.teacherBanks =
        qm::loadTeacherBanks(qm::topicCatalogue(), qm::chosenBankFolders(banks.banks, qm::standardBankFolders()));
    if (banks.banks && !QFileInfo(*banks.banks).isDir())
        std::fprintf(stderr, "quillmark: %s: no such folder; every exercise plays its own questions\n",
                     qPrintable(*banks.banks));
    for (const auto& [name, bank] : module1.teacherBanks) {
        if (!bank.usable())
            std::fprintf(stderr, "quillmark: bank %s not used: %s\n", qPrintable(bank.file), qPrintable(bank.problem));
        else if (qEnvironmentVariableIsSet("QUILLMARK_TRACE"))
            std::fprintf(stderr, "quillmark: bank %s: %d rows from %s\n", qPrintable(name), bank.rows.questions,
                         qPrintable(bank.file));
    }
    qm::ScreenFlow flow(module1, qm::topicCatalogue());
    PaintTrace paintTrace;
    if (qEnvironmentVariableIsSet("QUILLMARK_TRACE")) {
        flow.trace = [](const QString& what) { std::fprintf(stderr, "quillmark: %s\n", qPrintable(what)); };
        app.installEventFilter(&paintTrace);
        if (scale > 1.0) flow.trace(QStringLiteral("classroom scale %1").arg(scale, 0, 'f', 2));
    }
    qm::onTerminationRequest([&flow] { flow.end(); });
    // A screen's window destroyed by another program ends the run as closing it would;
    // windows the program destroys itself belong to screens already unloaded.
    qm::watchForDestroyedWindows([&flow](quintptr id) {
        if (flow.trace) flow.trace(QStringLiteral("window %1 destroyed").arg(id));
        for (const QString& name : flow.loadedNames()) {
            qm::Form* form = flow.screen(name);
            if (form && !form->unloaded() && form->internalWinId() == WId(id)) {
                flow.end();
                return;
            }
        }
    });
    flow.start();
    // Once the title screen is up, the sounds and pictures are made ready, one short step
    // at a time, while nothing else happens. A file that cannot be read is left for its
    // screen to report as it always does.
    QTimer::singleShot(300, &app, [&sound, &pictures, &app] {
        sound.prepare(qm::soundsReadEarly());
        const QStringList ahead = qm::picturesReadEarly();
        for (int i = 0; i < ahead.size(); ++i)
            QTimer::singleShot(20 + i, &app, [&pictures, path = ahead[i]] { (void)pictures.load(path); });
    });
    return app.exec();
}
