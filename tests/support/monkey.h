#pragma once
// A restless pupil: a seeded, repeatable driver that walks the real screens with real
// mouse events through their windows (clicks, drags along random paths released anywhere,
// inside the window or outside it) and real keys (Tab, the arrows, Enter, Space, Escape,
// some held down), lets random amounts of time pass between events so
// that every animation, blink and stepping box is caught at every phase, brings a menu
// forward from behind its exercise now and then as a window manager would, leaves through
// the exit buttons and the title screen, and checks after every event what must always
// hold.

#include <QMap>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

#include "rig.h"

namespace qm::test {

struct MonkeyFindings {
    long long events = 0;
    long long checks = 0;
    long long runsEnded = 0;       // times the pupil left through "Exit" or a window's close
    QMap<QString, int> kinds;      // events by kind
    QMap<QString, int> screens;    // exercise screens opened
    QStringList broken;            // what did not hold, first ones only, with where
    long long brokenCount = 0;
    double slowestEventMs = 0;     // the longest single event, its handlers included
    QString slowestEvent;          // what it was, and on which screen
    QStringList slowEvents;        // every event over a frame (16 ms), as "ms: what on screen"
};

class Monkey {
public:
    explicit Monkey(quint64 seed);
    ~Monkey();

    // Plays n more events, checking after each.
    void run(long long n);
    const MonkeyFindings& findings() const { return findings_; }

private:
    struct MenuSnapshot;
    void restart();
    void step();
    void check(const QString& after);
    void fail(const QString& what);

    void clickSomething(Form& front);
    void dragSomething(Form& front);
    void pressKeys();
    void bringMenuForward();
    void openUnlistedScreen(Form& front);
    void passTime();
    Control* pickControl(Form& front, bool preferTiles);
    QPoint pointIn(const Control& c);
    QPoint anywhere(const Form& f);

    quint64 seed_;
    QRandomGenerator random_;
    std::unique_ptr<Rig> rig_;
    MonkeyFindings findings_;
    bool windowManagerUsed_ = false;  // a menu came forward behind the flow's back
    std::map<QString, std::unique_ptr<MenuSnapshot>> menus_;  // exercise -> what its menu showed
    std::map<QString, QPointer<Form>> opened_;                 // the last of each exercise seen
};

}  // namespace qm::test
