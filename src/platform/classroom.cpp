#include "platform/classroom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace qm {

namespace {
constexpr double kTitleBar = 48;  // room left for the window's title bar, in pixels
}

double classroomScale(QSize available) {
    if (available.width() <= 0 || available.height() <= 0) return 1.0;
    const double fit = std::min(available.width() / 800.0, (available.height() - kTitleBar) / 600.0);
    const double stepped = std::floor(fit * 20.0 + 1e-9) / 20.0;
    return std::max(1.0, stepped);
}

bool classroomRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] && std::strcmp(argv[i], "--classroom") == 0) return true;
    return false;
}

double prepareClassroomDisplay(int argc, char** argv) {
    QSize available;
    {
        // A short-lived application object, only to ask the display its size.
        int probeArgc = argc;
        QGuiApplication probe(probeArgc, argv);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) available = screen->availableGeometry().size();
    }
    const double scale = classroomScale(available);
    if (scale > 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 2));
    return scale;
}

}  // namespace qm
