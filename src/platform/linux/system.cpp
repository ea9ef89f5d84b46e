// What Linux desktops give the program: the web browser, the error box, and the fonts
// that stand in for the Windows faces the screens are designed with.

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "platform/system.h"
#include "platform/services.h"

namespace qm {

void RealWebLauncher::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void openDocument(const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); }

void RealFatalReporter::fail(const QString& title, const QString& message) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok);
        box.exec();
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message));
    std::_Exit(1);
}

PlatformFonts platformFonts() {
    // Liberation Serif and Sans come with the system (fonts-liberation); Wine's Tahoma is
    // loaded from its files. The Windows faces are not used even where installed, so that
    // every Linux machine measures text alike.
    return {{QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"), QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")},
            false};
}

QStringList programBankFolders() { return {}; }

void attachToConsole() {}

QStringList commandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString spelledOnDisk(const QString& path) {
    // Names here match only as they are spelled.
    const QFileInfo info(path);
    return info.exists() ? info.fileName() : QString();
}

}  // namespace qm
