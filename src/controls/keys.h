#pragma once
// The keyboard's way through a screen, for pupils who do not use a mouse (or use a switch
// that sends Tab and Enter). It adds nothing a mouse could not do: Tab and Shift+Tab (or
// the arrow keys) move between the controls a pupil can use now, in reading order; Enter
// or Space clicks the one chosen, or picks up a word tile on a drag screen, which is then
// taken to a target and put down there through the same handlers as a mouse drag; Escape
// clicks the screen's way out, or puts a picked-up tile back. A ring shows the chosen
// control, drawn only once a key has been pressed on that screen, so the screens look
// exactly as designed to a pupil with a mouse.

#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <vector>

class QKeyEvent;

namespace qm {

class Control;
class Form;

// The controls in the keyboard's order: by group (lower first), then in reading order,
// line by line from the top, each line from the left. Controls whose tops lie within half
// a line's height of the line's first control share its line.
std::vector<Control*> readingOrder(const Form& form, std::vector<Control*> controls);

class KeyNavigation {
public:
    explicit KeyNavigation(Form& form);
    ~KeyNavigation();

    // What a pupil can use on the screen now, in the keyboard's order.
    std::vector<Control*> usable() const;
    bool usableNow(const Control* c) const;
    // The control the keys act on: the screen's focus, when it can be used now.
    Control* current() const;
    // The tile picked up by keys, and the target it would go to.
    Control* held() const;
    Control* heldTarget() const;
    // Whether a key has been pressed on this screen (the ring shows from then on).
    bool keysUsed() const { return keysUsed_; }

    // Tab and Shift+Tab, and the window system moving focus off a control that went.
    bool moveFocus(bool next);
    // Every other key of the screen; false for a key the keyboard's way does not use.
    bool keyPress(QKeyEvent* e);
    // A key reached the screen or one of its controls.
    void sawKey();
    // The mouse was pressed on the screen: it takes over from any tile held by keys.
    void pointerPressed(const Control* on);
    // Redraws the ring where the focus is now.
    void refresh();

private:
    void focus(Control* c);
    void activate(Control* c);
    void pickUp(Control* tile);
    void chooseTarget(int step);
    void putDown();
    void putBack();
    void dropHold();
    void abandonHold();
    bool holdStillGood();
    void refreshRing();

    Form& form_;
    bool keysUsed_ = false;
    QPointer<Control> held_;
    QPointF heldFrom_;  // where the held tile lay, twips
    std::vector<QPointer<Control>> targets_;
    int target_ = 0;
    QPointer<QWidget> ring_;
};

}  // namespace qm
