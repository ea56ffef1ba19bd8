#include "xls/ImageConversion.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace quillbat::xls {

std::string LoadPictureAsPng(const std::string& path, PngImage& out) {
    QString file = QString::fromStdString(path);
    QFileInfo info(file);
    if (!info.isFile()) return "The picture file does not exist: " + path;
    if (info.size() == 0) return "The picture file is empty: " + path;
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull())
        return "The picture file cannot be read: " + path + " (" +
               reader.errorString().toStdString() + ")";
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return "The picture cannot be converted to PNG: " + path;
    out.bytes.assign(png.constData(), static_cast<size_t>(png.size()));
    out.width = image.width();
    out.height = image.height();
    return "";
}

}  // namespace quillbat::xls
