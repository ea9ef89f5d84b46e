#pragma once
// The one place where twips become pixels: 15 twips to a logical pixel.

#include <QColor>
#include <QtGlobal>
#include <cmath>

namespace qm {

constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

// Entries of the classic 16-colour palette that the screens use.
inline QColor QBColor(int index) {
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return palette[index & 15];
}

}  // namespace qm
