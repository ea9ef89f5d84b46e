#include "platform/windowwatch.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define QM_HAVE_XCB 1
#endif

namespace qm {

namespace {

class DestroyedWindows final : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindows(std::function<void(quintptr)> f) : onDestroyed_(std::move(f)) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
#ifdef QM_HAVE_XCB
        if (eventType == "xcb_generic_event_t") {
            const auto* event = static_cast<const xcb_generic_event_t*>(message);
            if ((event->response_type & 0x7F) == XCB_DESTROY_NOTIFY) {
                const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
                if (destroyed->window == destroyed->event) onDestroyed_(quintptr(destroyed->window));
            }
        }
#else
        Q_UNUSED(eventType);
        Q_UNUSED(message);
#endif
        return false;
    }

private:
    std::function<void(quintptr)> onDestroyed_;
};

}  // namespace

void watchForDestroyedWindows(std::function<void(quintptr windowId)> onDestroyed) {
    auto* app = QCoreApplication::instance();
    if (!app) return;
    static DestroyedWindows* filter = nullptr;
    if (filter) {
        app->removeNativeEventFilter(filter);
        delete filter;
    }
    filter = new DestroyedWindows(std::move(onDestroyed));
    app->installNativeEventFilter(filter);
}

}  // namespace qm
