#pragma once
// How a fuzz input becomes a metafile to play. The first byte chooses whether the
// placeable header's checksum is mended before parsing, so that most inputs get past the
// checksum and their damage reaches the records. The fuzzer and the replay of its corpus
// in the ordinary tests share this, so a saved input means the same in both.

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include "platform/metafile.h"

namespace qm::fuzz {

inline QByteArray metafileBytes(const QByteArray& input) {
    if (input.isEmpty()) return {};
    QByteArray bytes = input.mid(1);
    if ((uchar(input[0]) & 1) && bytes.size() >= 22) {
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i) sum ^= quint16(uchar(bytes[2 * i]) | (uchar(bytes[2 * i + 1]) << 8));
        bytes[20] = char(sum & 0xFF);
        bytes[21] = char(sum >> 8);
    }
    return bytes;
}

// Parses and, when the input is accepted, plays it onto a small canvas. Returns whether
// it was accepted.
inline bool playMetafile(const QByteArray& input) {
    const auto mf = Metafile::parse(metafileBytes(input));
    if (!mf) return false;
    const QSize size = mf->sizeTwips();
    QImage canvas(48, 48, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    mf->draw(painter, QRectF(0, 0, 48, 48));
    painter.end();
    return size.width() > 0 && size.height() > 0;
}

}  // namespace qm::fuzz
