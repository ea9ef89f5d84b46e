#pragma once
// A screen: one fixed-size top-level window with its controls and handlers.

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "controls/controls.h"
#include "controls/keys.h"

namespace qm {

class Form : public QWidget {
    Q_OBJECT
public:
    Form(QString name, Clock& clock);
    ~Form() override;

    const QString& Name() const { return name_; }
    Clock& clock() const { return clock_; }

    // The screen's load step, run once by the screen flow right after it creates the screen.
    virtual void Form_Load() {}

    // Place on the desktop and size, in twips. The size is the window's drawing area.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setSize(double width, double height);
    // The middle of the window where it is on the desktop now, in twips: where it was placed,
    // or wherever the user has since moved it.
    QPoint centreTwips() const;

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& text);
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& c);
    // Background picture, drawn at its own size from the top-left corner.
    void setPicture(const Picture& p);
    const Picture& picture() const { return picture_; }
    void setIcon(const QIcon& icon);
    bool hasIcon() const { return !windowIcon().isNull(); }
    int ScaleMode = 1;  // twips

    // Controls are created through these so the form can find them by name.
    template <typename T>
    T* add(const QString& name, QWidget* parent = nullptr) {
        T* c = new T(*this, parent ? parent : this, name, -1);
        c->stackByKind();
        named_.insert(name, c);
        return c;
    }
    template <typename T>
    ControlArray<T> addArray(const QString& name, QWidget* parent = nullptr) {
        ControlArray<T> array;
        T* first = new T(*this, parent ? parent : this, name, 0);
        first->stackByKind();
        array.setFirst(first);
        return array;
    }
    Timer* addTimer(const QString& name, int interval, bool enabled);

    // The control of that name, or nullptr when the screen has none (or another kind).
    template <typename T>
    T* find(const QString& name) const { return qobject_cast<T*>(named_.value(name)); }
    Timer* findTimer(const QString& name) const;
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

    // Unloading hides the window and stops its timers at once; no handler of the form
    // runs after that. The object itself is deleted later by the screen flow.
    void unloadNow();
    bool unloaded() const { return unloaded_; }

    // The pointer over the bare window, not over any control.
    MouseHandler onMouseMove;
    // The window system's close control.
    std::function<void()> onCloseRequest;

    // The control whose click or release is being handled now, if any: the answer box or
    // word tile a judgement is about.
    Control* acting() const { return acting_.data(); }
    void setActing(Control* c) { acting_ = c; }

    // The keyboard's way through this screen.
    KeyNavigation& keys() const { return *keys_; }
    // The control Escape clicks: the screen's way out (the title screen has none, so a
    // stray key cannot end the lesson).
    void setEscapeControl(Control* c) { escape_ = c; }
    Control* escapeControl() const { return escape_.data(); }
    // The targets a control picked up by keys may be put down in, in the order the keys
    // go through them; none for a control that is clicked.
    virtual std::vector<Control*> keyDropTargets(const Control&) const { return {}; }
    // Where a tile put down by keys lies in a target: its top-left corner, in twips.
    // Centred, and always with its corner inside the target.
    virtual QPointF keyDropPlace(const Control& tile, const Control& target) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void placeWindow();
    QString name_;
    Clock& clock_;
    double left_ = 0, top_ = 0, width_ = 12000, height_ = 9000;
    QString caption_;
    QColor back_{192, 192, 192};
    Picture picture_;
    QHash<QString, QWidget*> named_;
    std::vector<std::unique_ptr<Timer>> timers_;
    bool unloaded_ = false;
    QPointer<Control> escape_, acting_;
    std::unique_ptr<KeyNavigation> keys_;
};

}  // namespace qm
