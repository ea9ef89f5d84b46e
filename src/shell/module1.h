#pragma once
// The program-wide variables shared by every screen, the screen preparation that every
// screen but the title runs when it loads, and the one sound request.

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>

#include "platform/platform.h"
#include "shell/bank_image.h"

namespace qm {

class Form;
class ScreenFlow;

// A program-wide number that starts empty; an empty value equals no number.
using VInt = std::optional<int>;

// The number a value holds, 0 for an empty one (as arithmetic on an empty value sees it).
inline int num(const VInt& v) { return v.value_or(0); }

// The sounds every screen may ask for, and the pictures of the shell's screens and the
// exercise frame: read just after the title screen is up, so that no click waits on a file.
QStringList soundsReadEarly();
QStringList picturesReadEarly();

class Module1 {
public:
    explicit Module1(const Platform& platform) : platform(platform) {}
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    const Platform platform;
    ScreenFlow* flow = nullptr;  // set by the screen flow that runs this program

    VInt SoundOn;
    VInt CounterA, CounterB, CounterC;
    VInt ResultFlag;
    VInt LastPick;
    VInt CurrentPick;
    std::array<QString, 201> QuestionBank;
    std::array<QString, 201> AnswerBank;
    std::array<QString, 201> ExtraBank;
    std::array<QString, 201> CodeBank;
    std::array<VInt, 101> AnswerKey;

    // A teacher's bank files for this run, by screen name (none unless a bank folder has them).
    std::map<QString, TeacherBank> teacherBanks;

    // Writes a bank into the tables, entry by entry from 0; nothing goes past a table's end.
    void writeBank(const BankImage& bank);

    // Sizes and places a screen as it loads and gives it the shared buttons and pictures.
    void PrepareScreen(Form& screen);

    // The display the lesson is on: the one holding the screen in front (the screen that is
    // opening another), or the primary display before any other screen is shown.
    QRect displayInUse(const Form& opening) const;
    // Places a screen on a display as PrepareScreen does: centred, 840 twips left of centre
    // on a display wider than the screen.
    void placeOnDisplay(Form& screen, const QRect& display);
    // A screen shown again (a menu behind its exercise) moves to the display of the screen
    // that showed it, when that is another display.
    void followToDisplay(Form& screen, const Form& before);

    // Plays a wave file ("wav\click.wav") when sound is on.
    void PlayCue(const QString& path);

    // Loads a picture outside PrepareScreen; a picture that cannot be read ends the program
    // with a run-time error naming the file.
    Picture LoadPicture(const QString& path);
};

}  // namespace qm
