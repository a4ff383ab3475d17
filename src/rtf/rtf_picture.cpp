#include "rtf/rtf_picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr int kTwipsPerPixel = 15; // 96 pixels an inch

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

void put32(QByteArray *out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out->append(bytes, 4);
}

void put16(QByteArray *out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out->append(bytes, 2);
}

QByteArray fileHeader(qsizetype dibSize, qsizetype pixelOffset)
{
    QByteArray header("BM");
    put32(&header, quint32(14 + dibSize));
    put32(&header, 0);
    put32(&header, quint32(14 + pixelOffset));
    return header;
}

// A bitmap's pixel size from its header alone, without decoding it.
QSize headerSize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.size();
}

} // namespace

QByteArray RtfPicture::bmpFromDib(const QByteArray &dib)
{
    if (dib.size() < 12)
        return {};
    const quint32 headerLength = le32(dib, 0);
    qint64 offset = 0;
    if (headerLength == 12) {
        const int bits = le16(dib, 10);
        const qint64 claimed = (qint64(le16(dib, 4)) * bits + 31) / 32 * 4 * le16(dib, 6);
        if (bits == 0 || bits > 32 || claimed == 0 || claimed > dib.size())
            return {};
        offset = 12 + (bits <= 8 ? 3 * (qint64(1) << bits) : 0);
    } else if (headerLength >= 40 && dib.size() >= 40) {
        const int bits = le16(dib, 14);
        const quint32 compression = le32(dib, 16);
        // The pixels a reader would make room for must be there (or, compressed, could be):
        // a few bytes claiming a huge picture are damage.
        const qint64 w = qint32(le32(dib, 4));
        const qint64 h = qAbs(qint64(qint32(le32(dib, 8))));
        if (w <= 0 || h == 0 || bits == 0 || bits > 32)
            return {};
        const qint64 claimed = (w * bits + 31) / 32 * 4 * h;
        const bool compressed = compression == 1 || compression == 2;
        if (claimed > (compressed ? 256 : 1) * qint64(dib.size()))
            return {};
        const qint64 used = le32(dib, 32);
        const qint64 colors = used != 0 ? used : bits <= 8 ? (qint64(1) << bits) : 0;
        offset = qint64(headerLength) + 4 * colors;
        if (headerLength == 40 && (compression == 3 || compression == 6))
            offset += compression == 3 ? 12 : 16; // the masks follow a short header
    } else {
        return {};
    }
    offset = qMin<qint64>(offset, dib.size());
    return fileHeader(dib.size(), offset) + dib;
}

QByteArray RtfPicture::bmpFromDeviceBitmap(const QByteArray &rows, int width, int height,
                                           int bitsPerPixel, int widthBytes)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 &&
        bitsPerPixel != 32)
        return {};
    if (width <= 0 || height <= 0)
        return {};
    const qint64 rowBits = qint64(width) * bitsPerPixel;
    if (widthBytes <= 0)
        widthBytes = int(qMin<qint64>((rowBits + 15) / 16 * 2, 1 << 30));
    // The claimed width must fit the rows the file gives, so the copy is never larger than
    // the data.
    if ((rowBits + 7) / 8 > widthBytes)
        return {};
    const qint64 available = rows.size() / widthBytes;
    const int lines = int(qMin<qint64>(height, available));
    if (lines <= 0)
        return {};
    const int dibRow = int((rowBits + 31) / 32 * 4);
    const int colors = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;

    QByteArray dib;
    dib.reserve(40 + 4 * colors + qsizetype(lines) * dibRow);
    put32(&dib, 40);
    put32(&dib, quint32(width));
    put32(&dib, quint32(-lines)); // rows run top-down, as the device's do
    put16(&dib, 1);
    put16(&dib, quint16(bitsPerPixel));
    put32(&dib, 0);
    put32(&dib, quint32(qsizetype(lines) * dibRow));
    put32(&dib, 2835);
    put32(&dib, 2835);
    put32(&dib, quint32(colors));
    put32(&dib, 0);
    // A device bitmap has no palette: one bit is black and white, more bits a grey ramp.
    for (int i = 0; i < colors; ++i) {
        const quint8 grey = quint8(colors == 1 ? 0 : i * 255 / (colors - 1));
        const char entry[4] = {char(grey), char(grey), char(grey), 0};
        dib.append(entry, 4);
    }
    const QByteArray padding(dibRow - qMin(dibRow, widthBytes), '\0');
    for (int line = 0; line < lines; ++line) {
        dib.append(rows.constData() + qsizetype(line) * widthBytes, qMin(dibRow, widthBytes));
        dib.append(padding);
    }
    return bmpFromDib(dib);
}

QByteArray RtfPicture::imageBytes() const
{
    switch (kind) {
    case Kind::Png:
        return data.startsWith("\x89PNG") ? data : QByteArray();
    case Kind::Jpeg:
        return data.startsWith("\xFF\xD8") ? data : QByteArray();
    case Kind::Dib:
        return bmpFromDib(data);
    case Kind::Wbitmap:
        return bmpFromDeviceBitmap(data, width, height, bitsPerPixel * qMax(1, planes), widthBytes);
    default:
        return {};
    }
}

QSize RtfPicture::cappedTwips(qint64 w, qint64 h)
{
    w = qMax<qint64>(1, w);
    h = qMax<qint64>(1, h);
    if (w > kMaxTwips || h > kMaxTwips) {
        const double shrink = qMin(double(kMaxTwips) / w, double(kMaxTwips) / h);
        w = qBound(qint64(1), qRound64(w * shrink), qint64(kMaxTwips));
        h = qBound(qint64(1), qRound64(h * shrink), qint64(kMaxTwips));
    }
    return QSize(int(w), int(h));
}

QSize RtfPicture::shownTwips() const
{
    qint64 w = goalWidth > 0 ? goalWidth : 0;
    qint64 h = goalHeight > 0 ? goalHeight : 0;
    if ((w == 0 || h == 0) && kind == Kind::Metafile) {
        // Metafiles state their size in hundredths of a millimetre.
        if (w == 0 && width > 0)
            w = qRound64(width * 1440.0 / 2540.0);
        if (h == 0 && height > 0)
            h = qRound64(height * 1440.0 / 2540.0);
    } else if (w == 0 || h == 0) {
        QSize pixels(width, height);
        if (pixels.width() <= 0 || pixels.height() <= 0)
            pixels = showable() ? headerSize(imageBytes()) : QSize();
        if (w == 0 && pixels.width() > 0)
            w = qint64(pixels.width()) * kTwipsPerPixel;
        if (h == 0 && pixels.height() > 0)
            h = qint64(pixels.height()) * kTwipsPerPixel;
    }
    if (w == 0)
        w = 1440; // an inch, when nothing tells
    if (h == 0)
        h = 1440;
    w = w * qBound(1, scaleX, 10000) / 100;
    h = h * qBound(1, scaleY, 10000) / 100;
    return cappedTwips(w, h);
}
