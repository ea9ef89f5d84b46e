#include "controls/controls.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <cmath>

#include "controls/form.h"

namespace qm {

namespace {

int shiftMask(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

int buttonMask(Qt::MouseButtons b) {
    int mask = 0;
    if (b & Qt::LeftButton) mask |= 1;
    if (b & Qt::RightButton) mask |= 2;
    if (b & Qt::MiddleButton) mask |= 4;
    return mask;
}

// The bold Tahoma we ship is drawn with strokes little heavier than the regular face;
// a second pass a little to the right gives it the weight it should have
// without changing any text width.
void drawText(QPainter& p, const QRectF& r, int flags, const QString& text, const FontSpec& look) {
    const QFont font = makeFont(look);
    p.setFont(font);
    p.drawText(r, flags, text);
    if (look.bold && look.name.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        p.drawText(r.translated(std::max(0.6, font.pixelSize() / 28.0), 0), flags, text);
}

}  // namespace

// ---------------------------------------------------------------- Control

Control::Control(Form& form, QWidget* parent, QString name, int index)
    : QWidget(parent), form_(form), name_(std::move(name)), index_(index) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QWidget::setVisible(true);
}

void Control::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    applyGeometry();
}

void Control::applyGeometry() {
    setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(width_), twipsToPixels(height_));
    update();
}

void Control::setVisible_(bool v) {
    visible_ = v;
    QWidget::setVisible(v);
}

void Control::setEnabled_(bool v) {
    enabled_ = v;
    QWidget::setEnabled(v);
    update();
}

void Control::setTabStop(bool v) {
    tabStop_ = v;
    setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

bool Control::live() const { return !form_.unloaded(); }

void Control::stackByKind() {
    if (windowed()) {
        raise();
        return;
    }
    QWidget* parent = parentWidget();
    if (!parent) return;
    // Just below the lowest windowed sibling: above every lightweight one made before.
    for (QObject* o : parent->children()) {
        auto* c = qobject_cast<Control*>(o);
        if (c && c != this && c->windowed()) {
            stackUnder(c);
            return;
        }
    }
    raise();
}

namespace {

// Notes on the form which control the pointer (or a key) is acting on while its handler runs.
class Acting {
public:
    Acting(Form& f, Control* c) : form_(&f), before_(f.acting()) { f.setActing(c); }
    ~Acting() {
        if (form_) form_->setActing(before_);
    }

private:
    QPointer<Form> form_;
    QPointer<Control> before_;
};

}  // namespace

void Control::Click() {
    if (!live() || !visible_ || !enabled_ || !onClick) return;
    Acting acting(form_, this);
    onClick();
}

void Control::MouseMove(const MouseArgs& args) {
    if (live() && visible_ && enabled_ && onMouseMove) onMouseMove(args);
}

void Control::MouseDown(const MouseArgs& args) {
    if (live() && visible_ && enabled_ && onMouseDown) onMouseDown(args);
}

void Control::MouseUp(const MouseArgs& args) {
    if (!live() || !visible_ || !enabled_ || !onMouseUp) return;
    Acting acting(form_, this);
    onMouseUp(args);
}

MouseArgs Control::argsFor(QMouseEvent* e) const {
    MouseArgs a;
    a.Shift = shiftMask(e->modifiers());
    // Measured from the control's own place in twips, which may lie between two pixels:
    // a control moved to follow the pointer then lands exactly where it was sent.
    const QPointF inParent = mapToParent(e->position());
    a.X = pixelsToTwips(inParent.x()) - left_;
    a.Y = pixelsToTwips(inParent.y()) - top_;
    return a;
}

bool Control::event(QEvent* e) {
    // Keys go on to the screen, which answers them for all its controls.
    if (e->type() == QEvent::KeyPress && live()) form_.keys().sawKey();
    return QWidget::event(e);
}

void Control::mousePressEvent(QMouseEvent* e) {
    if (live()) form_.keys().pointerPressed(this);
    pressedInside_ = true;
    MouseArgs a = argsFor(e);
    a.Button = buttonMask(e->button());
    MouseDown(a);
}

void Control::mouseMoveEvent(QMouseEvent* e) {
    MouseArgs a = argsFor(e);
    a.Button = buttonMask(e->buttons());
    MouseMove(a);
}

void Control::mouseDoubleClickEvent(QMouseEvent* e) {
    if (secondClickClicks()) {
        mousePressEvent(e);
        return;
    }
    MouseArgs a = argsFor(e);
    a.Button = buttonMask(e->button());
    MouseDown(a);
}

void Control::mouseReleaseEvent(QMouseEvent* e) {
    MouseArgs a = argsFor(e);
    a.Button = buttonMask(e->button());
    const bool click = pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressedInside_ = false;
    MouseUp(a);
    if (click) Click();
}

void Control::copyFrom(const Control& other) {
    Move(other.left_, other.top_, other.width_, other.height_);
    setEnabled_(other.enabled_);
    setTabStop(other.tabStop_);
    keyGroup_ = other.keyGroup_;
}

// ---------------------------------------------------------------- Label

void Label::setCaption(const QString& text) {
    if (caption_ == text) return;
    caption_ = text;
    updateName();
    refit();
    update();
}

void Label::setSpokenName(const QString& text) {
    spoken_ = text;
    updateName();
}

void Label::updateName() {
    // Told to a screen reader only when it changes.
    const QString name = spoken_.isEmpty() ? caption_ : spoken_;
    if (accessibleName() != name) setAccessibleName(name);
}

void Label::setForeColor(const QColor& c) {
    fore_ = c;
    update();
}

void Label::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void Label::setBackStyle(BackStyle s) {
    backStyle_ = s;
    update();
}

void Label::setBorderStyle(Border b) {
    border_ = b;
    refit();
    update();
}

void Label::setAlignment(Align a) {
    align_ = a;
    update();
}

void Label::setAutoSize(bool v) {
    autoSize_ = v;
    refit();
}

void Label::setWordWrap(bool v) {
    wordWrap_ = v;
    refit();
}

void Label::setFont_(const FontSpec& f) {
    font_ = f;
    refit();
    update();
}

void Label::setFontBold(bool bold) {
    FontSpec f = font_;
    f.bold = bold;
    setFont_(f);
}

void Label::refit() {
    if (!autoSize_) return;
    const bool bordered = border_ == Border::FixedSingle;
    if (!wordWrap_) {
        const QFontMetricsF fm(makeFont(font_));
        const double h = std::ceil(fm.height()) + (bordered ? 2 : 0);
        Move(Left(), Top(), textWidthTwips(font_, caption_, bordered), pixelsToTwips(h));
    } else {
        Move(Left(), Top(), Width(), textHeightTwips() + pixelsToTwips(bordered ? 2 : 0));
    }
}

double Label::textHeightTwips() const {
    return wrapText(font_, Width(), caption_, border_ == Border::FixedSingle).heightTwips;
}

int Label::linesNeeded() const { return wrapText(font_, Width(), caption_, border_ == Border::FixedSingle).lines; }

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRectF r = rect();
    if (backStyle_ == BackStyle::Opaque) p.fillRect(rect(), back_);
    if (border_ == Border::FixedSingle) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
        r.adjust(1, 1, -1, -1);
    }
    int flags = Qt::AlignTop;
    flags |= align_ == Align::Center ? Qt::AlignHCenter : align_ == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    if (!(autoSize_ && !wordWrap_)) flags |= Qt::TextWordWrap;
    p.setPen(Enabled() ? fore_ : QColor(128, 128, 128));
    drawText(p, r, flags, caption_, font_);
}

void Label::copyFrom(const Control& other) {
    Control::copyFrom(other);
    if (const auto* o = qobject_cast<const Label*>(&other)) {
        fore_ = o->fore_;
        back_ = o->back_;
        backStyle_ = o->backStyle_;
        border_ = o->border_;
        align_ = o->align_;
        wordWrap_ = o->wordWrap_;
        font_ = o->font_;
        autoSize_ = o->autoSize_;
        caption_ = o->caption_;
        spoken_ = o->spoken_;
        announced_ = o->announced_;
        updateName();
        refit();
    }
}

// ---------------------------------------------------------------- PictureButton

void PictureButton::setPicture(const Picture& p) {
    picture_ = p;
    update();
}

void PictureButton::setCaption(const QString& text) {
    caption_ = text;
    setAccessibleName(text);
    update();
}

void PictureButton::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void PictureButton::setFont_(const FontSpec& f) {
    font_ = f;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = rect();
    if (!picture_.isNull()) {
        picture_.draw(p, r);
    } else {
        p.fillRect(r, back_);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(QPointF(0.5, 0.5), QPointF(width() - 1, 0.5));
        p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, height() - 1));
        p.setPen(QColor(64, 64, 64));
        p.drawLine(QPointF(0.5, height() - 0.5), QPointF(width() - 0.5, height() - 0.5));
        p.drawLine(QPointF(width() - 0.5, 0.5), QPointF(width() - 0.5, height() - 0.5));
    }
    if (!caption_.isEmpty()) {
        p.setFont(makeFont(font_));
        p.setPen(Enabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
        p.drawText(r, Qt::AlignCenter, caption_);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.drawRect(r.adjusted(3.5, 3.5, -4.5, -4.5));
    }
}

// ---------------------------------------------------------------- OptionButton

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    update();
    if (!v) return;
    if (QWidget* parent = parentWidget()) {
        for (OptionButton* other : parent->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other != this && other->value_) {
                other->value_ = false;
                other->update();
            }
        }
    }
    Click();
}

void OptionButton::setCaption(const QString& text) {
    caption_ = text;
    setAccessibleName(text);
    update();
}

void OptionButton::setForeColor(const QColor& c) {
    fore_ = c;
    update();
}

void OptionButton::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void OptionButton::setFont_(const FontSpec& f) {
    font_ = f;
    update();
}

void OptionButton::mouseReleaseEvent(QMouseEvent* e) {
    MouseArgs a;
    a.Button = buttonMask(e->button());
    a.X = pixelsToTwips(e->position().x());
    a.Y = pixelsToTwips(e->position().y());
    MouseUp(a);
    // Selecting the option fires its Click; the option already selected stays as it is.
    if (live() && Enabled() && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        setValue(true);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), back_);
    const double d = 12;
    const QRectF circle(1.5, (height() - d) / 2.0, d, d);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(circle);
    if (value_) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0));
        p.drawEllipse(circle.adjusted(3.5, 3.5, -3.5, -3.5));
    }
    p.setPen(Enabled() ? fore_ : QColor(128, 128, 128));
    drawText(p, QRectF(d + 6, 0, width() - d - 6, height()), Qt::AlignLeft | Qt::AlignVCenter, caption_, font_);
}

// ---------------------------------------------------------------- Image

void Image::setPicture(const Picture& p) {
    picture_ = p;
    if (!stretch_ && !p.isNull()) {
        const QSize s = p.sizeTwips();
        Move(Left(), Top(), s.width(), s.height());
    }
    update();
}

void Image::setStretch(bool v) {
    stretch_ = v;
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    picture_.draw(p, QRectF(rect()));
}

// ---------------------------------------------------------------- PictureBox

void PictureBox::setPicture(const Picture& p) {
    picture_ = p;
    update();
}

void PictureBox::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (picture_.isNull()) return;
    const QSize s = picture_.sizeTwips();
    p.setClipRect(rect());
    picture_.draw(p, QRectF(0, 0, s.width() / kTwipsPerPixel, s.height() / kTwipsPerPixel));
}

// ---------------------------------------------------------------- Shape

void Shape::setBorderColor(const QColor& c) {
    border_ = c;
    update();
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    update();
}

void Shape::setFillColor(const QColor& c) {
    fill_ = c;
    update();
}

void Shape::setFilled(bool v) {
    filled_ = v;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (filled_) p.fillRect(rect(), fill_);
    const double half = borderWidth_ / 2.0;
    p.setPen(QPen(border_, borderWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(half, half, width() - borderWidth_, height() - borderWidth_));
}

// ---------------------------------------------------------------- Frame

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(QRectF(0.5, 0.5, width() - 2, height() - 2));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(QRectF(1.5, 1.5, width() - 2, height() - 2));
}

// ---------------------------------------------------------------- Timer

Timer::Timer(Form& form, QString name, int interval, bool enabled)
    : form_(form), name_(std::move(name)), interval_(interval), enabled_(enabled) {
    handle_ = form.clock().makeTimer([this] {
        if (!dead_ && enabled_ && !form_.unloaded() && onTimer) onTimer();
    });
    sync(true);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    sync(true);
}

void Timer::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    sync(true);
}

void Timer::sync(bool restart) {
    if (dead_) return;
    if (enabled_ && interval_ > 0) {
        if (restart) handle_->start(interval_);
    } else {
        handle_->stop();
    }
}

void Timer::kill() {
    dead_ = true;
    handle_->stop();
}

}  // namespace qm
