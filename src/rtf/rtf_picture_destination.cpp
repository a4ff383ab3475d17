#include "rtf/rtf_picture_destination.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_group_state.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_kept_group_destination.h"
#include "rtf/rtf_object_inserter.h"
#include "rtf/rtf_tokenizer.h"

void RtfPictureDestination::begin(const RtfGroupState &state, RtfKeptGroupDestination *container)
{
    m_container = container;
    m_picture = RtfPicture();
    m_props = state.runProps();
    m_uc = state.uc;
    m_nibble = -1;
}

bool RtfPictureDestination::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &)
{
    using Kind = RtfPicture::Kind;
    const int value = token.hasParam ? token.param : 0;
    switch (word) {
    case RtfWord::PngBlip:
        m_picture.kind = Kind::Png;
        break;
    case RtfWord::JpegBlip:
        m_picture.kind = Kind::Jpeg;
        break;
    case RtfWord::DiBitmap:
        m_picture.kind = Kind::Dib;
        break;
    case RtfWord::WBitmap:
        m_picture.kind = Kind::Wbitmap;
        break;
    case RtfWord::WMetafile:
    case RtfWord::EmfBlip:
    case RtfWord::MacPict:
    case RtfWord::OtherBlip:
        m_picture.kind = Kind::Metafile;
        break;
    case RtfWord::PicW:
        m_picture.width = value;
        break;
    case RtfWord::PicH:
        m_picture.height = value;
        break;
    case RtfWord::PicWGoal:
        m_picture.goalWidth = value;
        break;
    case RtfWord::PicHGoal:
        m_picture.goalHeight = value;
        break;
    case RtfWord::PicScaleX:
        if (value > 0)
            m_picture.scaleX = value;
        break;
    case RtfWord::PicScaleY:
        if (value > 0)
            m_picture.scaleY = value;
        break;
    case RtfWord::WbmBitsPixel:
        m_picture.bitsPerPixel = value;
        break;
    case RtfWord::WbmPlanes:
        m_picture.planes = value;
        break;
    case RtfWord::WbmWidthBytes:
        m_picture.widthBytes = value;
        break;
    default:
        break; // everything else in a picture describes it for other programs only
    }
    return true;
}

void RtfPictureDestination::bytes(std::string_view bytes, const RtfGroupState &)
{
    QByteArray &data = m_picture.data;
    for (const char c : bytes) {
        const int h = rtfHexValue(c);
        if (h < 0)
            continue;
        if (m_nibble < 0) {
            m_nibble = h;
        } else {
            data.append(char(m_nibble * 16 + h));
            m_nibble = -1;
        }
    }
}

void RtfPictureDestination::binary(std::string_view data, const RtfGroupState &)
{
    m_picture.data.append(data.data(), qsizetype(data.size()));
}

void RtfPictureDestination::end(std::string_view groupBytes)
{
    if (m_container) {
        m_container->pictureInside(m_picture);
    } else {
        m_inserter->insertPicture(m_picture, RtfKeptGroup::asGroup(groupBytes), m_uc, m_props);
    }
    m_picture = RtfPicture();
    m_container = nullptr;
}
