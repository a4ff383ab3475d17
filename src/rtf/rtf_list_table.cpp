#include "rtf/rtf_list_table.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

#include <QTextListFormat>

namespace {

constexpr int kBulletFormat = 23;
constexpr int kNoNumberFormat = 255;

int styleForFormat(int format)
{
    switch (format) {
    case 1:
        return QTextListFormat::ListUpperRoman;
    case 2:
        return QTextListFormat::ListLowerRoman;
    case 3:
        return QTextListFormat::ListUpperAlpha;
    case 4:
        return QTextListFormat::ListLowerAlpha;
    case kBulletFormat:
        return QTextListFormat::ListDisc;
    case kNoNumberFormat:
        return QTextListFormat::ListStyleUndefined; // an item without a number, as headings are
    default:
        return QTextListFormat::ListDecimal; // Chinese, ordinal and other counters among them
    }
}

} // namespace

int RtfListTable::bulletStyle(QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'o':
        case 0x25CB:
        case 0x25E6:
        case 0xF06F:
            return QTextListFormat::ListCircle;
        case 0x00A7: // Wingdings' square, as a byte and in the symbol area
        case 0xF0A7:
        case 0xF06E:
        case 0x25A0:
        case 0x25AA:
        case 0x25FC:
        case 0x25FE:
            return QTextListFormat::ListSquare;
        case u' ':
        case u'\t':
            continue;
        default:
            return QTextListFormat::ListDisc;
        }
    }
    return QTextListFormat::ListDisc;
}

QString RtfListTable::labelText(QStringView text)
{
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0xA0) || u == 0xAD;
        const bool structure =
            u == 0x2028 || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0xFEFF || u == 0xFFFC;
        if (!control && !structure && !c.isSurrogate())
            out.append(c);
    }
    return out;
}

RtfListLevel *RtfListTable::currentLevel()
{
    if (!m_levelUsable || m_lists.empty() || m_lists.back().levels.empty())
        return nullptr;
    return &m_lists.back().levels.back();
}

bool RtfListTable::controlWord(RtfWord word, const RtfToken &token, RtfGroupState &)
{
    const int value = token.hasParam ? token.param : 0;
    switch (word) {
    case RtfWord::List:
        m_inList = m_lists.size() < size_t(kMaxLists);
        m_inOverride = false;
        m_levelUsable = false;
        if (m_inList)
            m_lists.emplace_back();
        break;
    case RtfWord::ListLevel:
        m_levelUsable = m_inList && m_lists.back().levels.size() < size_t(kMaxLevels);
        if (m_levelUsable) {
            m_lists.back().levels.emplace_back();
            m_lists.back().formats.push_back(0);
        }
        break;
    case RtfWord::LevelNfc:
        if (RtfListLevel *level = currentLevel()) {
            m_lists.back().formats.back() = value;
            level->style = styleForFormat(value);
        }
        break;
    case RtfWord::LevelStartAt:
        if (RtfListLevel *level = currentLevel())
            level->start = qMax(0, value);
        break;
    case RtfWord::LevelText:
        m_capturing = currentLevel() != nullptr;
        m_levelText.clear();
        break;
    case RtfWord::ListId:
        if (m_inOverride) {
            m_overrideList = value;
            m_overrideHasList = true;
            commitOverride();
        } else if (m_inList) {
            m_lists.back().id = value;
            m_listById.insert(value, int(m_lists.size() - 1));
        }
        break;
    case RtfWord::ListOverride:
        m_inList = false;
        m_inOverride = true;
        m_overrideNumber = -1;
        m_overrideHasList = false;
        break;
    case RtfWord::Ls:
        if (m_inOverride) {
            m_overrideNumber = qMax(0, value);
            commitOverride();
        }
        break;
    default:
        break; // indents, fonts and alignment of the levels: paragraphs carry their own
    }
    return true;
}

void RtfListTable::commitOverride()
{
    if (m_overrideNumber >= 0 && m_overrideHasList && m_overrides.size() < kMaxLists)
        m_overrides.insert(m_overrideNumber, m_overrideList);
}

void RtfListTable::bytes(std::string_view bytes, const RtfGroupState &)
{
    if (!m_capturing)
        return;
    // Bytes stay as they are: the length, the number placeholders and a symbol font's
    // bullet are all single bytes.
    for (const char c : bytes) {
        if (m_levelText.size() < kMaxLevelText)
            m_levelText.append(QChar(char16_t(uchar(c))));
    }
}

void RtfListTable::unicode(char16_t unit, const RtfGroupState &)
{
    if (m_capturing && m_levelText.size() < kMaxLevelText)
        m_levelText.append(QChar(unit));
}

void RtfListTable::groupClosed(const RtfGroupState &)
{
    if (m_capturing)
        endLevelText();
}

void RtfListTable::endLevelText()
{
    m_capturing = false;
    RtfListLevel *level = currentLevel();
    if (!level || m_levelText.isEmpty())
        return;
    // The first character counts those that follow; \'00 to \'08 stand for the numbers of
    // the levels.
    const qsizetype length = qMin(qsizetype(m_levelText.at(0).unicode()), m_levelText.size() - 1);
    const QStringView text = QStringView(m_levelText).mid(1, length);
    if (m_lists.back().formats.back() == kBulletFormat) {
        level->style = bulletStyle(text);
        return;
    }
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() <= kMaxLevels - 1) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return; // no number in the text: Qt shows the usual one
    level->prefix = labelText(text.left(first));
    level->suffix = labelText(text.mid(last + 1));
}

const RtfListLevel *RtfListTable::level(int override, int level) const
{
    const auto found = m_overrides.constFind(override);
    if (found == m_overrides.constEnd() || level < 0)
        return nullptr;
    const auto list = m_listById.constFind(found.value());
    if (list == m_listById.constEnd())
        return nullptr;
    const std::vector<RtfListLevel> &levels = m_lists[size_t(list.value())].levels;
    if (size_t(level) >= levels.size())
        return nullptr;
    return &levels[size_t(level)];
}
