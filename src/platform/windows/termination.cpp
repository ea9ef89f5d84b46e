#include "platform/termination.h"

#include <windows.h>

#include <QCoreApplication>
#include <QMetaObject>

namespace qm {

namespace {

std::function<void()> requestHandler;

// Ctrl+C, Ctrl+Break or the console closing: handed to the user-interface thread.
BOOL WINAPI onConsoleEvent(DWORD) {
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { if (requestHandler) requestHandler(); }, Qt::QueuedConnection);
    return TRUE;
}

}  // namespace

void onTerminationRequest(std::function<void()> handler) {
    requestHandler = std::move(handler);
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

}  // namespace qm
