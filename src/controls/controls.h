#pragma once
// The window toolkit the screens are written against: forms and controls with the
// familiar properties, all places and sizes in twips, and events named after the control.

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "controls/fonts.h"
#include "controls/units.h"
#include "platform/clock.h"
#include "platform/pictures.h"

namespace qm {

class Form;

enum class Align { Left = 0, Right = 1, Center = 2 };
enum class BackStyle { Transparent = 0, Opaque = 1 };
enum class Border { None = 0, FixedSingle = 1 };

// Mouse arguments as the handlers see them: Button and Shift are masks
// (1 left, 2 right, 4 middle; 1 shift, 2 ctrl, 4 alt), X and Y in twips from the
// control's top-left corner.
struct MouseArgs {
    int Button = 0;
    int Shift = 0;
    double X = 0;
    double Y = 0;
};

using ClickHandler = std::function<void()>;
using MouseHandler = std::function<void(const MouseArgs&)>;

// What every visible control shares: its name, place, size, visibility and events.
class Control : public QWidget {
    Q_OBJECT
public:
    Control(Form& form, QWidget* parent, QString name, int index = -1);

    const QString& Name() const { return name_; }
    int Index() const { return index_; }
    Form& form() const { return form_; }

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v) { Move(v, top_, width_, height_); }
    void setTop(double v) { Move(left_, v, width_, height_); }
    virtual void setWidth(double v) { Move(left_, top_, v, height_); }
    virtual void setHeight(double v) { Move(left_, top_, width_, v); }
    void Move(double left, double top, double width, double height);
    void Move(double left, double top) { Move(left, top, width_, height_); }

    bool Visible() const { return visible_; }
    void setVisible_(bool v);
    void Show() { setVisible_(true); }
    void Hide() { setVisible_(false); }
    bool Enabled() const { return enabled_; }
    void setEnabled_(bool v);

    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v);
    // The keyboard goes through lower groups first, each in reading order.
    int KeyGroup() const { return keyGroup_; }
    void setKeyGroup(int g) { keyGroup_ = g; }
    // Whether a click does something here (an element of a control array asks the array).
    bool takesClicks() const { return clickTest_ ? clickTest_() : bool(onClick); }
    void setClickTest(std::function<bool()> test) { clickTest_ = std::move(test); }
    // Whether a click, a press or a release does something here: a control the pupil uses.
    bool takesPointer() const {
        return pointerTest_ ? pointerTest_() : bool(onClick) || bool(onMouseDown) || bool(onMouseUp);
    }
    void setPointerTest(std::function<bool()> test) { pointerTest_ = std::move(test); }

    ClickHandler onClick;
    MouseHandler onMouseDown, onMouseMove, onMouseUp;

    // Fires the control's events as the pointer would (also used by tests); a hidden or
    // disabled control, or one on an unloaded screen, takes no events.
    void Click();
    void MouseMove(const MouseArgs& args);
    void MouseDown(const MouseArgs& args);
    void MouseUp(const MouseArgs& args);

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    // A button's second click of a double click is a click of its own; on other controls
    // it only presses the mouse again.
    virtual bool secondClickClicks() const { return false; }
    bool live() const;

public:
    // Takes over another control's look and size (used for new control-array elements).
    virtual void copyFrom(const Control& other);

    // Windowed controls (buttons, option buttons, picture boxes, frames) always lie above
    // the lightweight ones (labels, images, shapes) of the same container, whatever the
    // order they were made in; within each kind the later-made lies above. So a caption
    // or word tile that overlaps a button never hides it or takes its clicks.
    virtual bool windowed() const { return false; }
    // Puts a newly made control in its place in that order.
    void stackByKind();

private:
    MouseArgs argsFor(QMouseEvent* e) const;
    void applyGeometry();
    Form& form_;
    QString name_;
    int index_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true, tabStop_ = false;
    bool pressedInside_ = false;
    int keyGroup_ = 0;
    std::function<bool()> clickTest_, pointerTest_;
};

class Label : public Control {
    Q_OBJECT
public:
    using Control::Control;
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& text);
    QColor ForeColor() const { return fore_; }
    void setForeColor(const QColor& c);
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& c);
    BackStyle backStyle() const { return backStyle_; }
    void setBackStyle(BackStyle s);
    Border BorderStyle() const { return border_; }
    void setBorderStyle(Border b);
    Align Alignment() const { return align_; }
    void setAlignment(Align a);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool v);
    const FontSpec& Font() const { return font_; }
    void setFont_(const FontSpec& f);
    void setFontBold(bool bold);

    // What a screen reader says for the label in place of its caption, for a caption that
    // means little heard alone ("Term 2", ","); empty to say the caption.
    void setSpokenName(const QString& text);
    // A caption that is spoken as soon as it appears or changes ("Correct", "Wrong", a
    // corrected sentence): a notification to the screen reader.
    bool Announced() const { return announced_; }
    void setAnnounced(bool v) { announced_ = v; }

    // Number of lines the caption takes at the label's width, and the height they need
    // in twips; used to check that texts fit their labels.
    int linesNeeded() const;
    double textHeightTwips() const;

protected:
    void paintEvent(QPaintEvent*) override;

public:
    void copyFrom(const Control& other) override;

private:
    void refit();
    void updateName();
    QString caption_;
    QColor fore_{0, 0, 0}, back_{255, 255, 255};
    BackStyle backStyle_ = BackStyle::Opaque;
    Border border_ = Border::None;
    Align align_ = Align::Left;
    bool autoSize_ = false, wordWrap_ = false;
    FontSpec font_;
    QString spoken_;
    bool announced_ = false;
};

// A command button: a picture stretched over its face, or a caption on a plain face.
class PictureButton : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void setPicture(const Picture& p);
    const Picture& picture() const { return picture_; }
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& text);
    void setBackColor(const QColor& c);
    void setFont_(const FontSpec& f);
    bool windowed() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool secondClickClicks() const override { return true; }

private:
    Picture picture_;
    QString caption_;
    QColor back_{192, 192, 192};
    FontSpec font_;
};

// Option buttons on one container form one group: selecting one clears the others.
class OptionButton : public Control {
    Q_OBJECT
public:
    using Control::Control;
    bool Value() const { return value_; }
    // Selecting an option (by the pointer or by the program) fires its Click.
    void setValue(bool v);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& text);
    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c);
    QColor BackColor() const { return back_; }
    void setFont_(const FontSpec& f);
    bool windowed() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool value_ = false;
    QString caption_;
    QColor fore_{0, 0, 0}, back_{192, 192, 192};
    FontSpec font_;
};

// An image control: scales its picture to its area when Stretch is set, otherwise
// takes the picture's own size.
class Image : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void setPicture(const Picture& p);
    const Picture& picture() const { return picture_; }
    bool Stretch() const { return stretch_; }
    void setStretch(bool v);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture picture_;
    bool stretch_ = false;
};

// A picture box: draws its picture at its own size from the top-left corner and clips
// it to the box; the rest shows the back colour.
class PictureBox : public Control {
    Q_OBJECT
public:
    using Control::Control;
    // What the picture shows, for a screen reader.
    const QString& PictureName() const { return pictureName_; }
    void setPictureName(const QString& name) { pictureName_ = name; }
    void setPicture(const Picture& p);
    const Picture& picture() const { return picture_; }
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& c);
    bool windowed() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture picture_;
    QColor back_{192, 192, 192};
    QString pictureName_;
};

// An outline rectangle or square, optionally filled.
class Shape : public Control {
    Q_OBJECT
public:
    using Control::Control;
    void setBorderColor(const QColor& c);
    void setBorderWidth(int pixels);
    void setFillColor(const QColor& c);
    void setFilled(bool v);
    QColor BorderColor() const { return border_; }
    QColor FillColor() const { return fill_; }
    bool Filled() const { return filled_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor border_{0, 0, 0}, fill_{0, 0, 0};
    int borderWidth_ = 1;
    bool filled_ = false;
};

// A captionless container that other controls sit in; its outline is drawn in the
// system's etched style.
class Frame : public Control {
    Q_OBJECT
public:
    using Control::Control;
    bool windowed() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;
};

// A timer of the form: fires Timer every Interval milliseconds while Enabled.
// Setting Interval restarts the count; enabling a running timer does not.
class Timer {
public:
    Timer(Form& form, QString name, int interval, bool enabled);
    const QString& Name() const { return name_; }
    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    std::function<void()> onTimer;

    void kill();  // the form is being unloaded

private:
    void sync(bool restart);
    Form& form_;
    QString name_;
    int interval_;
    bool enabled_;
    bool dead_ = false;
    std::unique_ptr<TimerHandle> handle_;
};

// A control array: element 0 is designed, further elements are created at run time as
// copies of element 0 and share its event handlers, which receive the element's index.
template <typename T>
class ControlArray {
public:
    struct Handlers {
        std::function<void(int)> click;
        std::function<void(int, const MouseArgs&)> mouseDown, mouseMove, mouseUp;
    };

    ControlArray() = default;
    void setFirst(T* first) {
        items_.assign(1, first);
        bind(first);
    }
    T* operator()(int i) const { return (i >= 0 && i < int(items_.size())) ? items_[i] : nullptr; }
    T& at(int i) const { return *items_.at(i); }
    int count() const { return int(items_.size()); }
    Handlers& on() { return *handlers_; }

    // Creates element i (and any missing before it) as a copy of element 0.
    T* Load(int i) {
        while (int(items_.size()) <= i) {
            T* first = items_.front();
            const int index = int(items_.size());
            T* item = new T(first->form(), first->parentWidget(), first->Name(), index);
            item->copyFrom(*first);
            item->setVisible_(false);  // a new element starts hidden
            item->stackByKind();
            bind(item);
            items_.push_back(item);
        }
        return items_[i];
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    void bind(T* item) {
        const int i = item->Index();
        std::shared_ptr<Handlers> h = handlers_;
        item->onClick = [h, i] { if (h->click) h->click(i); };
        item->setClickTest([h] { return bool(h->click); });
        item->setPointerTest([h] { return h->click || h->mouseDown || h->mouseUp; });
        item->onMouseDown = [h, i](const MouseArgs& a) { if (h->mouseDown) h->mouseDown(i, a); };
        item->onMouseMove = [h, i](const MouseArgs& a) { if (h->mouseMove) h->mouseMove(i, a); };
        item->onMouseUp = [h, i](const MouseArgs& a) { if (h->mouseUp) h->mouseUp(i, a); };
    }
    std::vector<T*> items_;
    std::shared_ptr<Handlers> handlers_ = std::make_shared<Handlers>();
};

}  // namespace qm
