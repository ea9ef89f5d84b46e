#pragma once
// Picture files as the program names them: "Images\exit.jpg" is relative to the working
// folder, with backslash separators, each part matched without regard to case.

#include <QHash>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

#include "platform/metafile.h"

class QPainter;
class QRectF;

namespace qm {

// Finds the file a program path names below root, matching each part without regard to
// case ("Images", "images" and "IMAGES" are one folder). Returns an empty string when
// nothing matches.
QString resolveProgramPath(const QString& root, const QString& programPath);

// A loaded picture: a bitmap or a metafile.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);
    explicit Picture(Metafile metafile);

    bool isNull() const { return image_.isNull() && !metafile_; }
    // Designed size in twips (15 twips a pixel for bitmaps).
    QSize sizeTwips() const;
    // Draws the whole picture scaled into target (pixels).
    void draw(QPainter& painter, const QRectF& target) const;
    bool isMetafile() const { return bool(metafile_); }

private:
    QImage image_;
    std::shared_ptr<const Metafile> metafile_;
};

struct PictureResult {
    std::optional<Picture> picture;
    enum class Failure { None, NotFound, Invalid } failure = Failure::None;
};

// Reads pictures below a root folder. A picture read once is kept, ready to draw, for as
// long as its file stays the same size and age: screens that come and go do not decode
// their pictures again.
class PictureStore {
public:
    explicit PictureStore(QString root) : root_(std::move(root)) {}
    PictureResult load(const QString& programPath) const;
    const QString& root() const { return root_; }
    int picturesKept() const { return int(kept_.size()); }

private:
    struct Kept {
        qint64 size = -1;
        qint64 modifiedMs = 0;
        Picture picture;
    };
    QString root_;
    mutable QHash<QString, Kept> kept_;
};

}  // namespace qm
