#pragma once
// What the program gets from its surroundings besides time, chance and pictures:
// sound playback, the web-page request, the desktop's displays, the fatal-error report and
// the end of the program. Each has a real implementation and one that tests drive.

#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>


namespace qm {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the wave file at a program path ("wav\click.wav") without blocking.
    // A missing file or no audio device means silence.
    virtual void play(const QString& programPath) = 0;
};

// Plays wave files through the default audio output. Each file is read once and kept,
// with one output of its own that a new request restarts.
class RealSoundPlayer final : public SoundPlayer {
public:
    explicit RealSoundPlayer(QString root);
    ~RealSoundPlayer() override;
    void play(const QString& programPath) override;
    // Files read so far (a missing or unreadable one counts, and stays silent).
    int soundsLoaded() const { return int(sounds_.size()); }
    // Whether a file could be played at all (it was read and a device takes its format).
    bool playable(const QString& programPath) const;
    // Gets the audio output ready and reads the given files before any is asked for, one
    // step per turn of the event loop, so that the first sound a pupil hears never holds
    // up the screen.
    void prepare(const QStringList& programPaths);

private:
    struct Sound;  // one file and its output, as the platform plays it
    Sound* sound(const QString& programPath);
    static void openOutput();                // gets the platform's audio output ready
    static bool canPlay(const Sound& sound);  // read, and taken by an audio device
    QString keyOf(const QString& programPath) const;
    QString root_;
    QHash<QString, Sound*> sounds_;
    std::unique_ptr<QObject> guard_;
};

class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& programPath) override {
        played.append(programPath);
        if (onPlay) onPlay(programPath);
    }
    QStringList played;
    std::function<void(const QString&)> onPlay;  // lets a test look around as a sound starts
};

class WebLauncher {
public:
    virtual ~WebLauncher() = default;
    virtual void open(const QString& address) = 0;
};

class RealWebLauncher final : public WebLauncher {
public:
    void open(const QString& address) override;
};

class RecordingWebLauncher final : public WebLauncher {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// The desktop: one display, or several side by side as one extended desktop (a laptop and
// a projector). Places and sizes are twips on the desktop.
class Desktop {
public:
    virtual ~Desktop() = default;
    // The primary display.
    virtual QRect primaryTwips() const = 0;
    // The display that holds a point of the desktop; the primary one when none does.
    virtual QRect displayAtTwips(QPoint point) const = 0;
    // The pointer shape for the whole program: the hourglass while a screen is fitted.
    virtual void setBusyPointer(bool busy) = 0;
};

class RealDesktop final : public Desktop {
public:
    QRect primaryTwips() const override;
    QRect displayAtTwips(QPoint point) const override;
    void setBusyPointer(bool busy) override;
};

class FakeDesktop final : public Desktop {
public:
    QRect primaryTwips() const override { return {QPoint(0, 0), size}; }
    QRect displayAtTwips(QPoint point) const override {
        for (const QRect& d : others)
            if (d.contains(point)) return d;
        return primaryTwips();
    }
    void setBusyPointer(bool busy) override { busy ? ++busyCalls : ++restoreCalls; pointerBusy = busy; }
    QSize size{12000, 9000};  // the primary display, at the desktop's origin
    QList<QRect> others;      // the displays beside it
    bool pointerBusy = false;
    int busyCalls = 0, restoreCalls = 0;
};

// Thrown by the test double after it has recorded a fatal error, so that nothing
// after the error runs, as with the real report that ends the program.
struct FatalErrorRaised : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FatalReporter {
public:
    virtual ~FatalReporter() = default;
    // Shows the message and ends the program with a non-zero status; never returns.
    [[noreturn]] virtual void fail(const QString& title, const QString& message) = 0;
    // Shows a message the program goes on past (a teacher's bank file that is not used):
    // a box in front of the window in use, which does not hold up the screens behind it.
    virtual void warn(const QString& title, const QString& message) = 0;
};

class RealFatalReporter final : public FatalReporter {
public:
    [[noreturn]] void fail(const QString& title, const QString& message) override;
    void warn(const QString& title, const QString& message) override;
};

class RecordingFatalReporter final : public FatalReporter {
public:
    [[noreturn]] void fail(const QString& title, const QString& message) override;
    void warn(const QString& t, const QString& m) override { warnings.append({t, m}); }
    QString title, message;
    QList<std::pair<QString, QString>> warnings;  // title and message of each warning shown
};

// Ends the run: "Exit" and the window system's close control both come here.
class Session {
public:
    virtual ~Session() = default;
    virtual void end() = 0;
};

class RealSession final : public Session {
public:
    void end() override;
};

class RecordingSession final : public Session {
public:
    void end() override { ++ended; }
    int ended = 0;
};

}  // namespace qm
