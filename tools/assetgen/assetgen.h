#pragma once
// The pieces of the asset generator. Every function writes its files below the
// given assets folder and returns false (after printing why) if a file could not
// be written. All output is deterministic.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace assetgen {

bool writeButtons(const QDir& assets);   // Images/exit.jpg, next.jpg, answer.jpg, check.jpg
bool writeMarks(const QDir& assets);     // Images/tick.jpg, Images/cross.jpg
bool writeBoard(const QDir& assets);     // Images/BOARD.WMF
QByteArray boardMetafile();              // the bytes of BOARD.WMF
bool writePictures(const QDir& assets);  // title, backgrounds, logo, icon
bool writeSounds(const QDir& assets);    // wav/*.wav

// Shared helpers.
bool saveJpeg(const QImage& image, const QString& path);
bool savePng(const QImage& image, const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

// The program's background blue.
inline QColor screenBlue() { return QColor(49, 135, 215); }

// Draws a quill feather whose nib is at `nib`, pointing away from it towards `top`.
struct QuillColors {
    QColor vaneLight;
    QColor vaneDark;
    QColor barbs;
    QColor shaft;
    QColor nib;
};
void drawQuill(QPainter& painter, const QPointF& nib, const QPointF& top, qreal width,
               const QuillColors& colors);

}  // namespace assetgen
