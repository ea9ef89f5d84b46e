#include "controls/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "controls/controls.h"
#include "controls/form.h"

namespace qm {

namespace {

class ControlAccessible final : public QAccessibleWidget {
public:
    ControlAccessible(Control* c, QAccessible::Role role) : QAccessibleWidget(c, role), control_(c) {
        if (role == QAccessible::Button) addControllingSignal(QStringLiteral("destroyed(QObject*)"));
    }

    // A label the pupil clicks or drags (an answer box, a word tile) is a button; a caption
    // that is spoken when it appears is a notification; any other label is text.
    QAccessible::Role role() const override {
        if (const auto* l = qobject_cast<const Label*>(control_)) {
            if (l->Announced()) return QAccessible::Notification;
            return l->takesPointer() && !showsNothing(*l) ? QAccessible::Button : QAccessible::StaticText;
        }
        return QAccessibleWidget::role();
    }

    // An empty slot of a row of word tiles: nothing to see, so nothing to hear.
    static bool showsNothing(const Label& l) {
        return l.Caption().isEmpty() && l.backStyle() == BackStyle::Transparent && l.BorderStyle() == Border::None;
    }

    QString text(QAccessible::Text t) const override {
        if (const auto* box = qobject_cast<const PictureBox*>(control_);
            box && t == QAccessible::Name && control_->accessibleName().isEmpty())
            return box->PictureName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (control_->form().keys().usableNow(control_)) s.focusable = true;
        if (const auto* l = qobject_cast<const Label*>(control_); l && showsNothing(*l)) s.invisible = true;
        if (control_->form().focusWidget() == control_ && control_->form().isActiveWindow()) s.focused = true;
        if (const auto* o = qobject_cast<const OptionButton*>(control_)) {
            s.checkable = true;
            s.checked = o->Value();
        }
        return s;
    }

    // Pressing through the screen reader does what a click does; a word tile that is
    // dragged is moved with the keys instead.
    QStringList actionNames() const override {
        if (qobject_cast<const OptionButton*>(control_) || control_->takesClicks())
            return {QAccessibleActionInterface::pressAction()};
        return {};
    }

    void doAction(const QString& name) override {
        if (name != QAccessibleActionInterface::pressAction()) return;
        if (auto* o = qobject_cast<OptionButton*>(control_)) {
            if (o->Enabled() && o->Visible()) o->setValue(true);
        } else {
            control_->Click();
        }
    }

private:
    Control* control_;
};

QAccessibleInterface* controlFactory(const QString&, QObject* object) {
    auto* control = qobject_cast<Control*>(object);
    if (!control) return nullptr;
    QAccessible::Role role = QAccessible::Client;
    if (qobject_cast<Label*>(control)) role = QAccessible::StaticText;  // or as it is used now
    else if (qobject_cast<PictureButton*>(control)) role = QAccessible::Button;
    else if (qobject_cast<OptionButton*>(control)) role = QAccessible::RadioButton;
    else if (qobject_cast<Image*>(control) || qobject_cast<PictureBox*>(control)) role = QAccessible::Graphic;
    else if (qobject_cast<Frame*>(control)) role = QAccessible::Grouping;
    return new ControlAccessible(control, role);
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(controlFactory);
}

}  // namespace qm
