#include "platform/pictures.h"
#include "platform/system.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace qm {

QString resolveProgramPath(const QString& root, const QString& programPath) {
    QString normalised = programPath;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) return {};
    QString current = root;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String(".") || part == QLatin1String("..")) return {};
        const bool last = i == parts.size() - 1;
        QDir dir(current);
        const QString exact = dir.filePath(part);
        const auto filter = last ? QDir::Files : (QDir::Dirs | QDir::NoDotAndDotDot);
        // The folder's own spelling: a file system that ignores case opens "IMAGES" as
        // "Images" too, and one file must keep one name.
        QFileInfo info(exact);
        if (const QString spelled = spelledOnDisk(exact); !spelled.isEmpty() && (last ? info.isFile() : info.isDir())) {
            current = dir.filePath(spelled);
            continue;
        }
        QString found;
        for (const QString& entry : dir.entryList(filter | QDir::Hidden, QDir::Name)) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = dir.filePath(entry);
                break;
            }
        }
        if (found.isEmpty()) return {};
        current = found;
    }
    return current;
}

namespace {

// A JPEG file ends with its end-of-image marker. The decoder would show a file cut short
// with its lower part grey; such a file is damaged, and refused like any other.
bool looksCutShort(const QByteArray& bytes) {
    if (!bytes.startsWith("\xFF\xD8")) return false;  // not a JPEG: the decoder judges it
    static const QByteArray eoi("\xFF\xD9");
    const qsizetype tail = std::min<qsizetype>(bytes.size(), 64);
    return bytes.right(tail).indexOf(eoi) < 0;
}

}  // namespace

Picture::Picture(QImage image) : image_(std::move(image)) {}
Picture::Picture(Metafile metafile) : metafile_(std::make_shared<const Metafile>(std::move(metafile))) {}

QSize Picture::sizeTwips() const {
    if (metafile_) return metafile_->sizeTwips();
    return image_.size() * 15;
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (metafile_) {
        metafile_->draw(painter, target);
    } else if (!image_.isNull()) {
        painter.drawImage(target, image_);
    }
}

PictureResult PictureStore::load(const QString& programPath) const {
    PictureResult result;
    const QString file = resolveProgramPath(root_, programPath);
    if (file.isEmpty()) {
        result.failure = PictureResult::Failure::NotFound;
        return result;
    }
    const QFileInfo info(file);
    const qint64 modifiedMs = info.lastModified().toMSecsSinceEpoch();
    const auto kept = kept_.constFind(file);
    if (kept != kept_.constEnd() && kept->size == info.size() && kept->modifiedMs == modifiedMs) {
        result.picture = kept->picture;
        return result;
    }
    kept_.remove(file);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        result.failure = PictureResult::Failure::NotFound;
        return result;
    }
    // Pictures are small; anything huge is not one of ours.
    if (f.size() > 64 * 1024 * 1024) {
        result.failure = PictureResult::Failure::Invalid;
        return result;
    }
    const QByteArray bytes = f.readAll();
    if (file.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) {
        if (auto mf = Metafile::parse(bytes)) result.picture = Picture(std::move(*mf));
    } else if (!looksCutShort(bytes)) {
        QImage image;
        if (image.loadFromData(bytes) && !image.isNull()) {
            // Decoded once into the form the screen draws fastest, not on every paint.
            image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            result.picture = Picture(std::move(image));
        }
    }
    if (!result.picture) {
        result.failure = PictureResult::Failure::Invalid;
        return result;
    }
    kept_.insert(file, Kept{f.size(), modifiedMs, *result.picture});
    return result;
}

}  // namespace qm
