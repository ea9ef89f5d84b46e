#include "event_timing.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMetaEnum>

namespace qm::test {

bool TimedApplication::notify(QObject* receiver, QEvent* event) {
    if (depth_ > 0) return QApplication::notify(receiver, event);
    const int type = int(event->type());
    // The receiver may be gone afterwards (a deferred delete): what it was is taken now.
    const char* kind = receiver ? receiver->metaObject()->className() : "";
    const QString name = receiver ? receiver->objectName() : QString();
    ++depth_;
    QElapsedTimer timer;
    timer.start();
    bool handled = false;
    try {
        handled = QApplication::notify(receiver, event);
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (ms > slowestMs_) {
        slowestMs_ = ms;
        const char* typeName = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
        slowest_ = QStringLiteral("%1 to %2 %3")
                       .arg(typeName ? QString::fromLatin1(typeName) : QString::number(type), QString::fromLatin1(kind), name)
                       .trimmed();
    }
    return handled;
}

}  // namespace qm::test
