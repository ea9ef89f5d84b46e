#include "controls/form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qm {

Form::Form(QString name, Clock& clock)
    : QWidget(nullptr), name_(std::move(name)), clock_(clock), keys_(std::make_unique<KeyNavigation>(*this)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    setMouseTracking(true);
    setObjectName(name_);
    setSize(width_, height_);
}

Form::~Form() = default;

void Form::setLeft(double v) {
    left_ = v;
    placeWindow();
}

void Form::setTop(double v) {
    top_ = v;
    placeWindow();
}

void Form::setSize(double width, double height) {
    width_ = width;
    height_ = height;
    setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

QPoint Form::centreTwips() const {
    const QPoint c = geometry().center();
    return {int(pixelsToTwips(c.x())), int(pixelsToTwips(c.y()))};
}

void Form::placeWindow() { move(twipsToPixels(left_), twipsToPixels(top_)); }

void Form::setCaption(const QString& text) {
    caption_ = text;
    setWindowTitle(text);
}

void Form::setBackColor(const QColor& c) {
    back_ = c;
    update();
}

void Form::setPicture(const Picture& p) {
    picture_ = p;
    update();
}

void Form::setIcon(const QIcon& icon) { setWindowIcon(icon); }

Timer* Form::addTimer(const QString& name, int interval, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(*this, name, interval, enabled));
    return timers_.back().get();
}

Timer* Form::findTimer(const QString& name) const {
    for (const auto& t : timers_)
        if (t->Name() == name) return t.get();
    return nullptr;
}

void Form::unloadNow() {
    if (unloaded_) return;
    unloaded_ = true;
    for (auto& t : timers_) t->kill();
    hide();
}

void Form::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (!picture_.isNull()) {
        const QSize s = picture_.sizeTwips();
        picture_.draw(p, QRectF(0, 0, s.width() / kTwipsPerPixel, s.height() / kTwipsPerPixel));
    }
}

void Form::mouseMoveEvent(QMouseEvent* e) {
    if (unloaded_ || !onMouseMove) return;
    MouseArgs a;
    a.X = pixelsToTwips(e->position().x());
    a.Y = pixelsToTwips(e->position().y());
    onMouseMove(a);
}

void Form::mousePressEvent(QMouseEvent* e) {
    if (!unloaded_) keys_->pointerPressed(nullptr);
    QWidget::mousePressEvent(e);
}

void Form::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (!unloaded_ && onCloseRequest) onCloseRequest();
}

QPointF Form::keyDropPlace(const Control& tile, const Control& target) const {
    const double inset = kTwipsPerPixel;
    return {target.Left() + std::max(inset, (target.Width() - tile.Width()) / 2),
            target.Top() + std::max(inset, (target.Height() - tile.Height()) / 2)};
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress && !unloaded_) keys_->sawKey();
    return QWidget::event(e);
}

bool Form::focusNextPrevChild(bool next) { return !unloaded_ && keys_->moveFocus(next); }

void Form::keyPressEvent(QKeyEvent* e) {
    if (unloaded_ || !keys_->keyPress(e)) QWidget::keyPressEvent(e);
}

void Form::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    placeWindow();
}

}  // namespace qm
