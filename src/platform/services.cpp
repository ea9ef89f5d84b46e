#include "platform/services.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "platform/pictures.h"

namespace qm {

RealSoundPlayer::RealSoundPlayer(QString root) : root_(std::move(root)), guard_(std::make_unique<QObject>()) {}

void RealSoundPlayer::prepare(const QStringList& programPaths) {
    // First the output device, then one file a turn; each step is short, and nothing
    // waits on them.
    QObject* guard = guard_.get();  // the steps die with the player
    QTimer::singleShot(0, guard, [this, guard, programPaths] {
        openOutput();
        for (int i = 0; i < programPaths.size(); ++i)
            QTimer::singleShot(i + 1, guard, [this, path = programPaths[i]] { (void)sound(path); });
    });
}

QString RealSoundPlayer::keyOf(const QString& programPath) const {
    const QString file = resolveProgramPath(root_, programPath);
    return file.isEmpty() ? programPath : file;
}

bool RealSoundPlayer::playable(const QString& programPath) const {
    const Sound* s = sounds_.value(keyOf(programPath));
    return s && canPlay(*s);
}

namespace {
QRect twipsOf(const QScreen* screen) {
    const QRect px = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    return {px.topLeft() * 15, px.size() * 15};
}
}  // namespace

QRect RealDesktop::primaryTwips() const { return twipsOf(QGuiApplication::primaryScreen()); }

QRect RealDesktop::displayAtTwips(QPoint point) const {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(point.x() / 15, point.y() / 15));
    return twipsOf(screen ? screen : QGuiApplication::primaryScreen());
}

void RealDesktop::setBusyPointer(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void RecordingFatalReporter::fail(const QString& t, const QString& m) {
    title = t;
    message = m;
    throw FatalErrorRaised(m.toStdString());
}

void RealFatalReporter::warn(const QString& title, const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message));
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void RealSession::end() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

}  // namespace qm
