#include "platform/services.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "platform/pictures.h"
#include "platform/wav.h"

namespace qm {

struct RealSoundPlayer::Sound {
    std::optional<WavSound> wav;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;
};

RealSoundPlayer::RealSoundPlayer(QString root) : root_(std::move(root)), guard_(std::make_unique<QObject>()) {}

RealSoundPlayer::~RealSoundPlayer() {
    for (Sound* s : std::as_const(sounds_)) {
        if (s->sink) s->sink->stop();
        delete s;
    }
}

RealSoundPlayer::Sound* RealSoundPlayer::sound(const QString& programPath) {
    const QString file = resolveProgramPath(root_, programPath);
    const QString key = file.isEmpty() ? programPath : file;
    if (Sound* known = sounds_.value(key)) return known;
    auto* s = new Sound;
    sounds_.insert(key, s);
    QFile f(file);
    if (!file.isEmpty() && f.size() <= 16 * 1024 * 1024 && f.open(QIODevice::ReadOnly)) s->wav = parseWav(f.readAll());
    if (!s->wav) return s;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(s->wav->format())) {
        s->wav.reset();
        return s;
    }
    s->buffer.setData(s->wav->samples);
    s->sink = std::make_unique<QAudioSink>(device, s->wav->format());
    return s;
}

void RealSoundPlayer::prepare(const QStringList& programPaths) {
    // First the output device (the audio back end connects to the sound server here),
    // then one file a turn; each step is short, and nothing waits on them.
    QObject* guard = guard_.get();  // the steps die with the player
    QTimer::singleShot(0, guard, [this, guard, programPaths] {
        (void)QMediaDevices::defaultAudioOutput();
        for (int i = 0; i < programPaths.size(); ++i)
            QTimer::singleShot(i + 1, guard, [this, path = programPaths[i]] { (void)sound(path); });
    });
}

bool RealSoundPlayer::playable(const QString& programPath) const {
    const QString file = resolveProgramPath(root_, programPath);
    const Sound* s = sounds_.value(file.isEmpty() ? programPath : file);
    return s && s->sink;
}

void RealSoundPlayer::play(const QString& programPath) {
    Sound* s = sound(programPath);
    if (!s->sink) return;  // no file, a damaged one, or no audio device: silence
    // A new request restarts a sound that is still playing.
    s->sink->stop();
    s->buffer.close();
    s->buffer.open(QIODevice::ReadOnly);
    s->sink->start(&s->buffer);
}

void RealWebLauncher::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
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
