#include "controls/keys.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <tuple>

#include "controls/form.h"

namespace qm {

namespace {

// A tile picked up by keys rises this far up and to the left, over its shadow.
constexpr double kLiftTwips = 60;

QRect placeOn(const Form& form, const Control& c) { return {c.mapTo(&form, QPoint(0, 0)), c.size()}; }

// The ring round the chosen control, over every control of the screen and never taking
// the mouse: a white band inside a black one, so it shows on any colour, thick enough to
// see across a classroom on a projector. It is a focus frame, which accessibility tools
// leave out of the screen's tree, so it never stands in front of the controls for them.
class FocusRing final : public QFocusFrame {
public:
    FocusRing(Form& form, KeyNavigation& keys) : QFocusFrame(&form), form_(form), keys_(keys) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        // A click that moves the focus (the title screen's buttons take it) moves the ring.
        connect(qApp, &QApplication::focusChanged, this, [this] { keys_.refresh(); });
    }

    // Repaints when a watched control moves, resizes, hides, shows or changes state.
    void watch(const std::vector<Control*>& controls) {
        for (const QPointer<Control>& w : watched_)
            if (w) w->removeEventFilter(this);
        watched_.clear();
        for (Control* c : controls) {
            if (!c) continue;
            c->installEventFilter(this);
            watched_.emplace_back(c);
        }
    }

protected:
    bool event(QEvent* e) override { return QWidget::event(e); }  // no focus frame's own tracking

    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            update();
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        if (!keys_.keysUsed()) return;
        QPainter p(this);
        const int width = std::max(2, twipsToPixels(45));
        if (Control* tile = keys_.held()) {
            const QRect r = placeOn(form_, *tile);
            // Its shadow, where it lay before it was lifted, and the ring round it.
            const int drop = 2 * width + twipsToPixels(kLiftTwips);
            const QRect under = r.translated(drop, drop);
            QPainterPath shadow;
            shadow.addRect(QRectF(under));
            QPainterPath over;
            over.addRect(QRectF(r.adjusted(-1, -1, 1, 1)));
            p.fillPath(shadow.subtracted(over), QColor(0, 0, 0, 140));
            ring(p, r, width, QColor(255, 255, 255));
            if (Control* target = keys_.heldTarget()) ring(p, placeOn(form_, *target), width, QColor(255, 255, 0));
            return;
        }
        if (Control* c = keys_.current()) ring(p, placeOn(form_, *c), width, QColor(255, 255, 255));
    }

private:
    // The band between two rectangles, the inner one left as it is.
    static void band(QPainter& p, const QRect& outer, const QRect& inner, const QColor& colour) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addRect(QRectF(outer));
        path.addRect(QRectF(inner));
        p.fillPath(path, colour);
    }

    static void ring(QPainter& p, const QRect& r, int width, const QColor& inner) {
        const QRect in = r.adjusted(-1, -1, 1, 1);
        const QRect mid = in.adjusted(-width, -width, width, width);
        const QRect out = mid.adjusted(-width, -width, width, width);
        band(p, mid, in, inner);
        band(p, out, mid, QColor(0, 0, 0));
    }

    Form& form_;
    KeyNavigation& keys_;
    std::vector<QPointer<Control>> watched_;
};

MouseArgs leftButton(double X, double Y) {
    MouseArgs a;
    a.Button = 1;
    a.X = X;
    a.Y = Y;
    return a;
}

}  // namespace

std::vector<Control*> readingOrder(const Form& form, std::vector<Control*> controls) {
    struct Item {
        Control* c;
        int group, top, left, height, line = 0;
    };
    std::vector<Item> items;
    for (Control* c : controls) {
        const QRect r = placeOn(form, *c);
        items.push_back({c, c->KeyGroup(), r.top(), r.left(), std::max(1, r.height())});
    }
    const auto byPlace = [](const Item& a, const Item& b) {
        return std::tie(a.group, a.top, a.left) < std::tie(b.group, b.top, b.left);
    };
    std::stable_sort(items.begin(), items.end(), byPlace);
    int line = 0;
    size_t start = 0;
    for (size_t k = 0; k < items.size(); ++k) {
        const Item& first = items[start];
        if (k == 0 || items[k].group != first.group || items[k].top >= first.top + first.height / 2) {
            ++line;
            start = k;
        }
        items[k].line = line;
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return std::tie(a.group, a.line, a.left) < std::tie(b.group, b.line, b.left);
    });
    std::vector<Control*> out;
    for (const Item& i : items) out.push_back(i.c);
    return out;
}

KeyNavigation::KeyNavigation(Form& form) : form_(form) {}

KeyNavigation::~KeyNavigation() { delete ring_.data(); }

bool KeyNavigation::usableNow(const Control* c) const {
    if (!c || form_.unloaded() || c->window() != &form_) return false;
    if (!c->Visible() || !c->Enabled() || !c->isVisibleTo(&form_) || !c->isEnabled()) return false;
    // An empty slot of a row of word tiles shows nothing at all; an empty box still shows.
    if (const auto* l = qobject_cast<const Label*>(c); l && l->Caption().isEmpty() &&
                                                       l->backStyle() == BackStyle::Transparent &&
                                                       l->BorderStyle() == Border::None)
        return false;
    return c->takesClicks() || qobject_cast<const OptionButton*>(c) || !form_.keyDropTargets(*c).empty();
}

std::vector<Control*> KeyNavigation::usable() const {
    std::vector<Control*> list;
    for (Control* c : form_.findChildren<Control*>())
        if (usableNow(c)) list.push_back(c);
    return readingOrder(form_, std::move(list));
}

Control* KeyNavigation::current() const {
    auto* c = qobject_cast<Control*>(form_.focusWidget());
    return usableNow(c) ? c : nullptr;
}

Control* KeyNavigation::held() const { return held_.data(); }

Control* KeyNavigation::heldTarget() const {
    if (!held_ || target_ < 0 || target_ >= int(targets_.size())) return nullptr;
    return targets_[target_].data();
}

void KeyNavigation::sawKey() {
    if (keysUsed_) return;
    keysUsed_ = true;
    refreshRing();
}

bool KeyNavigation::moveFocus(bool next) {
    if (held_) {
        if (holdStillGood()) {
            chooseTarget(next ? 1 : -1);
            return true;
        }
        abandonHold();
    }
    std::vector<Control*> list = usable();
    auto* at = qobject_cast<Control*>(form_.focusWidget());
    if (at && std::find(list.begin(), list.end(), at) == list.end()) {
        // The control that had the focus has gone (hidden, or done with): the next one is
        // the one after the place it had.
        list.push_back(at);
        list = readingOrder(form_, std::move(list));
    }
    const int n = int(list.size());
    if (n == 0 || (n == 1 && list[0] == at)) {
        refreshRing();
        return n == 1;
    }
    const auto here = std::find(list.begin(), list.end(), at);
    int k = here == list.end() ? (next ? -1 : n) : int(here - list.begin());
    do {
        k = ((next ? k + 1 : k - 1) % n + n) % n;
    } while (list[k] == at || !usableNow(list[k]));
    focus(list[k]);
    return true;
}

bool KeyNavigation::keyPress(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (held_ && !holdStillGood()) {
        // Its targets went (a new question): the tile goes back down, and the key that
        // found it so does nothing more.
        abandonHold();
        return true;
    }
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        // A key held down clicks once, as a mouse button held down does.
        if (e->isAutoRepeat()) return true;
        if (held_)
            putDown();
        else if (Control* c = current())
            activate(c);
        return true;
    case Qt::Key_Escape:
        if (e->isAutoRepeat()) return true;
        if (held_) {
            putBack();
            return true;
        }
        if (Control* way = form_.escapeControl(); usableNow(way)) {
            activate(way);
            return true;
        }
        return false;
    case Qt::Key_Right:
    case Qt::Key_Down:
        moveFocus(true);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        moveFocus(false);
        return true;
    default:
        return false;
    }
}

void KeyNavigation::pointerPressed(const Control*) {
    // The mouse takes over: the lifted tile goes back down where it lay, and the mouse
    // does what it does there (picks the tile up again, if it was pressed on it).
    if (held_) abandonHold();
}

void KeyNavigation::abandonHold() {
    Control* tile = held_;
    dropHold();
    if (tile && tile->isVisibleTo(&form_) && tile->Enabled())
        tile->MouseMove(leftButton(heldFrom_.x() - tile->Left() + tile->Width() / 2,
                                   heldFrom_.y() - tile->Top() + tile->Height() / 2));
}

void KeyNavigation::focus(Control* c) {
    c->setFocus(Qt::TabFocusReason);
    refreshRing();
}

void KeyNavigation::activate(Control* c) {
    if (!form_.keyDropTargets(*c).empty()) {
        pickUp(c);
        return;
    }
    if (auto* o = qobject_cast<OptionButton*>(c)) {
        o->setValue(true);
        return;
    }
    c->Click();
}

void KeyNavigation::pickUp(Control* tile) {
    targets_.clear();
    for (Control* t : form_.keyDropTargets(*tile)) targets_.emplace_back(t);
    if (targets_.empty()) return;
    held_ = tile;
    heldFrom_ = {tile->Left(), tile->Top()};
    target_ = 0;
    const double cx = tile->Width() / 2, cy = tile->Height() / 2;
    tile->MouseDown(leftButton(cx, cy));
    if (held_) tile->MouseMove(leftButton(cx - kLiftTwips, cy - kLiftTwips));
    refreshRing();
}

bool KeyNavigation::holdStillGood() {
    if (!usableNow(held_)) return false;
    const std::vector<Control*> now = form_.keyDropTargets(*held_);
    if (now.empty()) return false;
    if (now.size() != targets_.size() || !std::equal(now.begin(), now.end(), targets_.begin(),
                                                     [](Control* a, const QPointer<Control>& b) { return a == b; })) {
        targets_.assign(now.begin(), now.end());
        target_ = 0;
    }
    return true;
}

void KeyNavigation::chooseTarget(int step) {
    const int n = int(targets_.size());
    if (n == 0) return;
    target_ = ((target_ + step) % n + n) % n;
    refreshRing();
}

void KeyNavigation::putDown() {
    Control* tile = held_;
    Control* target = heldTarget();
    dropHold();
    if (!tile || !target) return;
    const QPointF at = form_.keyDropPlace(*tile, *target);
    const double cx = tile->Width() / 2, cy = tile->Height() / 2;
    // Along the path a mouse would take: the tile follows the pointer there and is let go.
    tile->MouseMove(leftButton(at.x() - tile->Left() + cx, at.y() - tile->Top() + cy));
    tile->MouseUp(leftButton(cx, cy));
}

void KeyNavigation::putBack() {
    Control* tile = held_;
    dropHold();
    if (!tile) return;
    const double cx = tile->Width() / 2, cy = tile->Height() / 2;
    tile->MouseMove(leftButton(heldFrom_.x() - tile->Left() + cx, heldFrom_.y() - tile->Top() + cy));
    tile->MouseUp(leftButton(cx, cy));
}

void KeyNavigation::dropHold() {
    held_ = nullptr;
    targets_.clear();
    target_ = 0;
    refreshRing();
}

void KeyNavigation::refresh() { refreshRing(); }

void KeyNavigation::refreshRing() {
    if (!keysUsed_ || form_.unloaded()) return;
    auto* ring = static_cast<FocusRing*>(ring_.data());
    if (!ring) {
        ring = new FocusRing(form_, *this);
        ring_ = ring;
    }
    ring->setGeometry(form_.rect());
    ring->watch({current(), held(), heldTarget()});
    ring->raise();
    ring->show();
    ring->update();
}

}  // namespace qm
