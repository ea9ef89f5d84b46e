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

QByteArray classroomScreenScales(const QList<QSize>& available) {
    if (available.size() < 2) return {};
    QByteArrayList scales;
    for (const QSize& a : available) scales << QByteArray::number(classroomScale(a), 'f', 2);
    return scales.join(';');
}

double prepareClassroomDisplay(int argc, char** argv) {
    QList<QSize> available;
    double primary = 1.0;
    {
        // A short-lived application object, only to ask the displays their sizes.
        int probeArgc = argc;
        QGuiApplication probe(probeArgc, argv);
        for (const QScreen* screen : QGuiApplication::screens()) available << screen->availableGeometry().size();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            primary = classroomScale(screen->availableGeometry().size());
    }
    if (const QByteArray each = classroomScreenScales(available); !each.isEmpty())
        qputenv("QT_SCREEN_SCALE_FACTORS", each);
    else if (primary > 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(primary, 'f', 2));
    return primary;
}

}  // namespace qm
