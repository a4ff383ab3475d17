#include "editor/picture_insertion.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace PictureInsertion {

namespace {

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QString fileFilter()
{
    return QStringLiteral("图片 (*.png *.jpg *.jpeg *.bmp *.gif)");
}

bool loadFile(const QString &path, Picture *picture, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("无法读取文件“%1”。").arg(name);
        return false;
    }
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("“%1”不是可以读取的图片，没有插入。请选择 PNG、JPEG、BMP 或 GIF "
                                "图片文件。")
                     .arg(name);
        return false;
    }
    picture->image = image;
    // A photograph stays as the camera wrote it; other kinds become PNG.
    const bool keepBytes = format == "png" || format == "jpeg" || format == "jpg";
    picture->resource = keepBytes ? bytes : pngBytes(image);
    return true;
}

Picture fromImage(const QImage &image)
{
    return {image, pngBytes(image)};
}

QSizeF shownSize(const QImage &image, qreal maxWidth)
{
    // The picture's own resolution decides its size on paper; 96 dpi when it has none.
    // Files store dots per metre: 3780 stands for 96 dpi.
    const qreal dpiX = image.dotsPerMeterX() > 0 ? qRound(image.dotsPerMeterX() * 0.0254) : 96.0;
    const qreal dpiY = image.dotsPerMeterY() > 0 ? qRound(image.dotsPerMeterY() * 0.0254) : 96.0;
    QSizeF size(image.width() * 72.0 / dpiX, image.height() * 72.0 / dpiY);
    if (maxWidth > 0 && size.width() > maxWidth)
        size = QSizeF(maxWidth, size.height() * maxWidth / size.width());
    return size;
}

void insert(QTextCursor &cursor, const Picture &picture, qreal maxWidth)
{
    const QByteArray data = picture.resource.toByteArray();
    const QString name =
        QStringLiteral("picture-%1")
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().left(20)));
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), picture.resource);
    QTextImageFormat format;
    format.setName(name);
    const QSizeF size = shownSize(picture.image, maxWidth);
    format.setWidth(size.width());
    format.setHeight(size.height());
    cursor.insertImage(format);
}

} // namespace PictureInsertion
