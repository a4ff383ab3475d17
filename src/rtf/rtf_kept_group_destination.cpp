#include "rtf/rtf_kept_group_destination.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_group_state.h"
#include "rtf/rtf_object_inserter.h"
#include "rtf/rtf_tokenizer.h"

#include <QTextDocument>
#include <QTextFrame>

void RtfKeptGroupDestination::begin(Kind kind, RtfKeptGroup::Place place,
                                    const RtfGroupState &state)
{
    m_kind = kind;
    m_place = place;
    m_props = state.runProps();
    m_uc = state.uc;
    m_objectWidth = m_objectHeight = 0;
    m_drawingWidth = m_drawingHeight = 0;
    m_shapeLeft = m_shapeRight = m_shapeTop = m_shapeBottom = 0;
    m_hasPicture = false;
    m_picture = RtfPicture();
}

void RtfKeptGroupDestination::pictureInside(const RtfPicture &picture)
{
    // The first picture is the stand-in; a showable one wins over a metafile.
    if (m_hasPicture && (m_picture.showable() || !picture.showable()))
        return;
    m_picture = picture;
    m_hasPicture = true;
}

bool RtfKeptGroupDestination::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &)
{
    if (!token.hasParam)
        return true;
    const auto first = [&token](int *field) {
        if (*field == 0)
            *field = token.param;
    };
    switch (word) {
    case RtfWord::ObjW:
        first(&m_objectWidth);
        break;
    case RtfWord::ObjH:
        first(&m_objectHeight);
        break;
    case RtfWord::DpXSize:
        first(&m_drawingWidth);
        break;
    case RtfWord::DpYSize:
        first(&m_drawingHeight);
        break;
    case RtfWord::ShpLeft:
        first(&m_shapeLeft);
        break;
    case RtfWord::ShpRight:
        first(&m_shapeRight);
        break;
    case RtfWord::ShpTop:
        first(&m_shapeTop);
        break;
    case RtfWord::ShpBottom:
        first(&m_shapeBottom);
        break;
    default:
        break;
    }
    return true;
}

QSize RtfKeptGroupDestination::shownTwips() const
{
    if (m_objectWidth > 0 && m_objectHeight > 0)
        return QSize(m_objectWidth, m_objectHeight);
    const qint64 shapeWidth = qint64(m_shapeRight) - m_shapeLeft;
    const qint64 shapeHeight = qint64(m_shapeBottom) - m_shapeTop;
    if (shapeWidth > 0 && shapeHeight > 0)
        return RtfPicture::cappedTwips(shapeWidth, shapeHeight);
    if (m_drawingWidth > 0 && m_drawingHeight > 0)
        return QSize(m_drawingWidth, m_drawingHeight);
    if (m_hasPicture)
        return m_picture.shownTwips();
    return QSize(1440, 1440);
}

void RtfKeptGroupDestination::end(std::string_view groupBytes)
{
    if (m_kind == Kind::Shape && m_hasPicture && m_picture.showable() &&
        !m_picture.imageBytes().isEmpty()) {
        // The shape's frame is the size it was shown at, as LibreOffice writes its pictures.
        RtfPicture shown = m_picture;
        const qint64 shapeWidth = qint64(m_shapeRight) - m_shapeLeft;
        const qint64 shapeHeight = qint64(m_shapeBottom) - m_shapeTop;
        if (shapeWidth > 0 && shapeHeight > 0) {
            const QSize twips = RtfPicture::cappedTwips(shapeWidth, shapeHeight);
            shown.goalWidth = twips.width();
            shown.goalHeight = twips.height();
            shown.scaleX = shown.scaleY = 100;
        }
        m_inserter->insertPicture(shown, QByteArray(), m_uc, m_props);
        m_hasPicture = false;
        m_picture = RtfPicture();
        return;
    }
    RtfKeptGroup group;
    group.bytes = RtfKeptGroup::asGroup(groupBytes);
    group.uc = m_uc;
    group.place = m_place;
    if (m_kind == Kind::DocumentPart) {
        if (m_documentParts.size() < kMaxDocumentParts) {
            m_inserter->addReferences(&group);
            m_documentParts.push_back(std::move(group));
        }
    } else {
        m_inserter->insertKept(std::move(group), shownTwips(), m_props);
    }
    m_hasPicture = false;
    m_picture = RtfPicture();
}

void RtfKeptGroupDestination::storeOn(QTextDocument *doc) const
{
    if (m_documentParts.empty())
        return;
    QVariantList parts;
    for (const RtfKeptGroup &group : m_documentParts)
        parts << group.toVariant();
    QTextFrame *root = doc->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setProperty(RtfFormat::DocumentGroups, parts);
    root->setFrameFormat(format);
}
