#pragma once
// The one list of exercise screens: name, title, family, term menu and place on it,
// background and how the screen shares the exercise frame. The menus, the screen flow
// and the tests all read it.

#include <QColor>
#include <QString>
#include <vector>

namespace qm {

class Form;
class Module1;
class RowForm;  // exercise/banks: how a screen's bank rows read in a teacher's file

// How a screen picks its next row.
enum class Draw {
    Reseed,  // re-seed the generator from the clock, then draw
    Plain,   // draw without re-seeding
    InOrder  // take the rows in order; no draw
};

struct ScreenEntry;
using ScreenFactory = Form* (*)(Module1&, const ScreenEntry&);

struct ScreenEntry {
    QString name;
    QString title;  // window caption, and the topic's caption on its menu
    int family;     // 3 choice, 4 drag, 5 word by word, 6 timed stop, 7 swap, 8 missing mark
    int menu;       // 1..6: the term menu its exit button shows
    int menuIndex;  // place on that menu, 0..4; -1 when no menu opens it
    QColor background;
    Draw draw;
    bool wipeKeepsOther;  // the tick and cross never hide each other
    bool nextHiddenAtFirst;
    bool answerButtonShown;
    ScreenFactory factory;
    // The form of the screen's bank rows, with its built-in rows and the screen's limits;
    // none for a screen without a bank.
    const RowForm* rows = nullptr;

    QString menuName() const { return QStringLiteral("menu%1").arg(menu); }
};

class Catalogue {
public:
    explicit Catalogue(std::vector<ScreenEntry> entries) : entries_(std::move(entries)) {}
    const std::vector<ScreenEntry>& entries() const { return entries_; }
    const ScreenEntry* find(const QString& name) const;
    // The topic at index i of menu k, or nullptr.
    const ScreenEntry* topic(int menu, int index) const;

private:
    std::vector<ScreenEntry> entries_;
};

}  // namespace qm
