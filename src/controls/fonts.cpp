#include "controls/fonts.h"

#include "controls/units.h"

#include <QFile>
#include <QFontMetricsF>
#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace qm {

namespace {
QString tahomaFamily = QStringLiteral("Tahoma");

QString familyFor(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("times new roman")) return QStringLiteral("Liberation Serif");
    if (n == QLatin1String("arial")) return QStringLiteral("Liberation Sans");
    if (n == QLatin1String("tahoma")) return tahomaFamily;
    return QStringLiteral("Liberation Sans");  // MS Sans Serif and anything else
}
}  // namespace

bool installFonts() {
    bool ok = true;
    for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        const int id = QFile::exists(QString::fromLatin1(file)) ? QFontDatabase::addApplicationFont(QString::fromLatin1(file)) : -1;
        if (id < 0) {
            ok = false;
            continue;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) tahomaFamily = families.first();
    }
    for (const char* family : {"Liberation Serif", "Liberation Sans"}) {
        if (!QFontDatabase::families().contains(QString::fromLatin1(family))) ok = false;
    }
    return ok;
}

int pointsToPixels(double points) { return int(std::lround(points * 4.0 / 3.0)); }

QFont makeFont(const FontSpec& look) {
    QFont font(familyFor(look.name));
    font.setPixelSize(pointsToPixels(look.points));
    font.setBold(look.bold);
    font.setUnderline(look.underline);
    font.setItalic(look.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double textWidthTwips(const FontSpec& look, const QString& text, bool bordered) {
    const QFontMetricsF fm(makeFont(look));
    return pixelsToTwips(std::ceil(fm.horizontalAdvance(text)) + (bordered ? 2 : 0));
}

WrappedText wrapText(const FontSpec& look, double widthTwips, const QString& text, bool bordered) {
    const QFontMetricsF fm(makeFont(look));
    const double w = std::max(1.0, twipsToPixels(widthTwips) - (bordered ? 2.0 : 0.0));
    const QRectF r = fm.boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, text);
    const double height = pixelsToTwips(std::ceil(std::max(r.height(), fm.height())));
    const int lines = int(std::lround(height / pixelsToTwips(std::ceil(fm.lineSpacing()))));
    return {height, lines, r.width() > w};
}

}  // namespace qm
