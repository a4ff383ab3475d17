#pragma once

#include <QImage>
#include <QString>
#include <QVariant>

class QTextCursor;

// Pictures going into the editor: read from a file or taken from the clipboard, kept as a
// resource of the document (PNG and JPEG files byte for byte, anything else as PNG) and
// shown no wider than the page.
namespace PictureInsertion {

struct Picture
{
    QImage image;
    QVariant resource; // encoded bytes
};

// False with a message naming the file when it can't be read or holds no picture.
bool loadFile(const QString &path, Picture *picture, QString *error);
Picture fromImage(const QImage &image);

// The picture's own size in points, scaled down to maxWidth keeping its proportions.
QSizeF shownSize(const QImage &image, qreal maxWidth);

// Inserts at the cursor (over its selection) as one picture character.
void insert(QTextCursor &cursor, const Picture &picture, qreal maxWidth);

// The file dialog's filter.
QString fileFilter();

} // namespace PictureInsertion
