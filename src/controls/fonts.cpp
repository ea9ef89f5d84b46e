#include "controls/fonts.h"

#include "controls/units.h"
#include "platform/system.h"

#include <QFile>
#include <QFontMetricsF>
#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace qm {

namespace {
// The faces the screens' font names are drawn with, chosen once the fonts are installed.
QString serifFamily = QStringLiteral("Liberation Serif");
QString sansFamily = QStringLiteral("Liberation Sans");
QString tahomaFamily = QStringLiteral("Tahoma");

QString familyFor(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("times new roman")) return serifFamily;
    if (n == QLatin1String("arial")) return sansFamily;
    if (n == QLatin1String("tahoma")) return tahomaFamily;
    return sansFamily;  // MS Sans Serif and anything else
}
}  // namespace

bool installFonts() {
    const PlatformFonts fonts = platformFonts();
    QStringList loaded;  // families of the files loaded, in order
    bool ok = true;
    for (const QString& file : fonts.files) {
        const int id = QFile::exists(file) ? QFontDatabase::addApplicationFont(file) : -1;
        if (id < 0) {
            // A face the system already has needs no file of its own.
            ok = ok && fonts.preferInstalledFaces;
            continue;
        }
        loaded << QFontDatabase::applicationFontFamilies(id);
    }
    const QStringList available = QFontDatabase::families();
    const auto choose = [&](const QString& face, const QString& compatible) {
        if (fonts.preferInstalledFaces && available.contains(face, Qt::CaseInsensitive)) return face;
        for (const QString& family : loaded)
            if (family.compare(compatible, Qt::CaseInsensitive) == 0) return family;
        if (!available.contains(compatible, Qt::CaseInsensitive)) ok = false;
        return compatible;
    };
    serifFamily = choose(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    sansFamily = choose(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    tahomaFamily = choose(QStringLiteral("Tahoma"), QStringLiteral("Tahoma"));
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
