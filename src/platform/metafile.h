#pragma once
// A small player for placeable Windows metafiles (the .WMF files the program ships).
// It reads the records into memory once and replays them onto any QPainter.
// Damaged input is rejected by parse(); nothing here ever reads past the bytes given.

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace qm {

class Metafile {
public:
    // Returns nothing (and, when error is given, a short reason) for input that is
    // not a well-formed placeable metafile.
    static std::optional<Metafile> parse(const QByteArray& bytes, QString* error = nullptr);

    // The picture's designed size in twips, from its bounding box and units per inch.
    QSize sizeTwips() const;

    // Replays the records, mapping the picture's bounding box onto target.
    void draw(QPainter& painter, const QRectF& target) const;

    struct Record;  // one decoded drawing record; defined in metafile.cpp

private:
    Metafile() = default;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0, unitsPerInch_ = 1440;
    int objectSlots_ = 0;
    std::shared_ptr<const std::vector<Record>> records_;
};

}  // namespace qm
