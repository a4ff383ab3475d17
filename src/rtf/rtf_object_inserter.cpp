#include "rtf/rtf_object_inserter.h"

#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_picture.h"

#include <QCryptographicHash>
#include <QImage>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

const QString &placeholderName()
{
    static const QString name = QStringLiteral("rtf-kept:placeholder");
    return name;
}

QImage placeholderImage()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(QColor(0xC8, 0xC8, 0xC8));
    return image;
}

} // namespace

void RtfObjectInserter::insertPicture(const RtfPicture &picture, const QByteArray &groupBytes,
                                      int uc, const RtfRunProps &props)
{
    const QSize twips = picture.shownTwips();
    const QByteArray bytes = picture.showable() ? picture.imageBytes() : QByteArray();
    if (bytes.isEmpty()) {
        RtfKeptGroup group;
        group.bytes = groupBytes;
        group.uc = uc;
        insertKept(std::move(group), twips, props);
        return;
    }
    // Named by content, so a picture that comes twice is held once.
    const QString name =
        QStringLiteral("rtf-picture:") +
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    if (!m_names.contains(name)) {
        m_doc->addResource(QTextDocument::ImageResource, QUrl(name), bytes);
        m_names.insert(name);
    }
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(twips.width() / 20.0);
    format.setHeight(twips.height() / 20.0);
    m_builder->appendObject(format, props);
}

void RtfObjectInserter::insertKept(RtfKeptGroup group, const QSize &twips, const RtfRunProps &props)
{
    if (!m_placeholderAdded) {
        m_doc->addResource(QTextDocument::ImageResource, QUrl(placeholderName()),
                           placeholderImage());
        m_placeholderAdded = true;
    }
    addReferences(&group);
    const QSize shown = RtfPicture::cappedTwips(twips.width(), twips.height());
    QTextImageFormat format;
    format.setName(placeholderName());
    format.setWidth(shown.width() / 20.0);
    format.setHeight(shown.height() / 20.0);
    format.setProperty(RtfFormat::KeptGroup, group.toVariant());
    m_builder->appendObject(format, props);
}

void RtfObjectInserter::addReferences(RtfKeptGroup *group) const
{
    group->collectReferences(m_fonts, m_colors);
}
