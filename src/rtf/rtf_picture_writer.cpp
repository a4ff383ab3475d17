#include "rtf/rtf_picture_writer.h"

#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_kept_group_writer.h"
#include "rtf/rtf_output.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <charconv>

namespace {

enum class Blip
{
    None,
    Png,
    Jpeg,
    Dib
};

struct Encoded
{
    QByteArray bytes;
    Blip blip = Blip::None;
    QSize pixels;
};

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QSize pixelSize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

Encoded encode(const QVariant &resource)
{
    Encoded out;
    if (resource.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = resource.toByteArray();
        if (bytes.startsWith("\x89PNG")) {
            out = {bytes, Blip::Png, pixelSize(bytes)};
        } else if (bytes.startsWith("\xFF\xD8")) {
            out = {bytes, Blip::Jpeg, pixelSize(bytes)};
        } else if (const QImage image = QImage::fromData(bytes); !image.isNull()) {
            out = {png(image), Blip::Png, image.size()};
        } else if (bytes.startsWith("BM") && bytes.size() > 14) {
            // A bitmap no reader takes goes back as it came, without its file header.
            out = {bytes.mid(14), Blip::Dib, QSize()};
        }
    } else if (resource.isValid()) {
        const QImage image = qvariant_cast<QImage>(resource);
        if (!image.isNull())
            out = {png(image), Blip::Png, image.size()};
    }
    if (out.bytes.isEmpty())
        out.blip = Blip::None;
    return out;
}

void appendNumber(std::string *out, const char *word, qint64 value)
{
    out->append(word);
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out->append(digits, size_t(result.ptr - digits));
}

int twips(qreal points, int pixels)
{
    const qint64 value = points > 0 ? qRound64(points * 20) : qint64(pixels) * 15;
    return int(qBound(qint64(1), value, qint64(31680)));
}

} // namespace

void RtfPictureWriter::write(const QTextImageFormat &format, RtfOutput *out)
{
    if (format.hasProperty(RtfFormat::KeptGroup)) {
        const RtfKeptGroup group = RtfKeptGroup::fromVariant(format.property(RtfFormat::KeptGroup));
        out->openGroup();
        out->word("uc", group.uc);
        out->raw(m_kept->bytesFor(group));
        out->closeGroup();
        return;
    }
    const Encoded picture =
        encode(m_doc.resource(QTextDocument::ImageResource, QUrl(format.name())));
    if (picture.blip == Blip::None)
        return;
    static const char hex[] = "0123456789abcdef";
    std::string &s = m_scratch;
    s.clear();
    s.reserve(size_t(picture.bytes.size()) * 2 + size_t(picture.bytes.size()) / 64 + 128);
    s += picture.blip == Blip::Png    ? "{\\pict\\pngblip"
         : picture.blip == Blip::Jpeg ? "{\\pict\\jpegblip"
                                      : "{\\pict\\dibitmap0";
    if (picture.pixels.isValid()) {
        appendNumber(&s, "\\picw", picture.pixels.width());
        appendNumber(&s, "\\pich", picture.pixels.height());
    }
    const int width = twips(format.width(), picture.pixels.width());
    const int height = twips(format.height(), picture.pixels.height());
    appendNumber(&s, "\\picwgoal", width);
    appendNumber(&s, "\\pichgoal", height);
    s += "\r\n";
    const qsizetype n = picture.bytes.size();
    const auto *data = reinterpret_cast<const unsigned char *>(picture.bytes.constData());
    for (qsizetype i = 0; i < n; ++i) {
        s += hex[data[i] >> 4];
        s += hex[data[i] & 15];
        if (i % 64 == 63)
            s += "\r\n";
    }
    s += '}';
    out->raw(s);
}
