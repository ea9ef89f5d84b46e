#pragma once
// A whole program on test doubles: a manual clock, scripted random numbers, a recording
// sound player, a settable desktop, recorded web requests, fatal errors and end of run.
// Pictures are read from the shipped assets unless a test gives another folder.

#include <QString>
#include <QTest>
#include <memory>

#include "controls/form.h"
#include "platform/platform.h"
#include "shell/flow.h"
#include "shell/module1.h"

namespace qm::test {

QString assetsFolder();

struct Rig {
    explicit Rig(const QString& folder = assetsFolder(), const Catalogue* catalogue = nullptr);
    ~Rig();

    ManualClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    PictureStore pictures;
    RecordingWebLauncher web;
    FakeDesktop desktop;
    RecordingFatalReporter fatal;
    RecordingSession session;
    Module1 m;
    std::unique_ptr<ScreenFlow> flow;

    template <typename T = Form>
    T* screen(const QString& name) const {
        return dynamic_cast<T*>(flow->screen(name));
    }
    // Shows a screen as navigation would (its bank fills on the first clock tick).
    template <typename T = Form>
    T* open(const QString& name) {
        auto* s = dynamic_cast<T*>(flow->show(name));
        return s;
    }
    // Deletes the screens unloaded so far, as the event loop would after a handler.
    void collect();
    // Clears the record of sounds played.
    void quiet() { sound.played.clear(); }
    // The row of the question bank that holds the sentence, or -1.
    int rowOf(const QString& sentence) const;
};

// Makes sure the fonts of the program are loaded (once per test program).
void useProgramFonts();

// The pointer as a pupil moves it: events go to the window, which hands them to the
// control lying on top at that point (or to the control holding the mouse while a
// button is down). Points are in pixels of the window; the window must be shown.
void pressAt(Form& form, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void moveTo(Form& form, QPoint at);
void releaseAt(Form& form, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void clickAt(Form& form, QPoint at);
// The centre of a control, in pixels of its window.
QPoint centreOf(const Control& c);
// Clicks the control through its window at its centre.
void clickOn(const Control& c);

}  // namespace qm::test
