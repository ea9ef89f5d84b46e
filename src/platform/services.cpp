#include "platform/services.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSoundEffect>
#include <QUrl>
#include <QWidget>
#include <cstdlib>

#include "platform/pictures.h"

namespace qm {

RealSoundPlayer::RealSoundPlayer(QString root) : root_(std::move(root)) {}

RealSoundPlayer::~RealSoundPlayer() { qDeleteAll(effects_); }

void RealSoundPlayer::play(const QString& programPath) {
    const QString file = resolveProgramPath(root_, programPath);
    if (file.isEmpty()) return;  // no such file: silence
    QSoundEffect* effect = effects_.value(file);
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
        effects_.insert(file, effect);
    }
    // A new request restarts a sound that is still playing.
    if (effect->isPlaying()) effect->stop();
    effect->play();
}

void RealWebLauncher::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

QSize RealDesktop::sizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->geometry().size() : QSize(800, 600);
    return px * 15;
}

void RealDesktop::setBusyPointer(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void RealFatalReporter::fail(const QString& title, const QString& message) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok);
        box.exec();
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message));
    std::_Exit(1);
}

void RecordingFatalReporter::fail(const QString& t, const QString& m) {
    title = t;
    message = m;
    throw FatalErrorRaised(m.toStdString());
}

void RealSession::end() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

}  // namespace qm
