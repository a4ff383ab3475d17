#include "rtf/rtf_list_builder.h"

#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_list_table.h"
#include "rtf/rtf_structure_props.h"

#include <QTextCursor>
#include <limits>

namespace {

QTextListFormat listFormat(int style, int level, int start, const QString &prefix,
                           const QString &suffix)
{
    QTextListFormat format;
    format.setStyle(QTextListFormat::Style(style));
    format.setIndent(level + 1);
    const bool numbered = style <= QTextListFormat::ListDecimal;
    if (numbered) {
        // Qt's default is a full stop; an empty suffix must be said.
        if (!prefix.isEmpty())
            format.setNumberPrefix(prefix);
        format.setNumberSuffix(suffix);
        if (start != 1)
            format.setProperty(RtfFormat::ListStart, start);
    }
    return format;
}

} // namespace

bool RtfListBuilder::place(QTextCursor &cursor, const RtfStructureProps &props)
{
    using Kind = RtfPnProps::Kind;
    const RtfListLevel *level = m_table && props.listOverride >= 0
                                    ? m_table->level(props.listOverride, props.listLevel)
                                    : nullptr;
    if (level) {
        add(cursor, props.listOverride, props.listLevel,
            listFormat(level->style, props.listLevel, level->start, level->prefix, level->suffix));
        return true;
    }
    const RtfPnProps &pn = props.pn;
    if (pn.kind == Kind::Bullet) {
        add(cursor, kOldNumbering, pn.level,
            listFormat(RtfListTable::bulletStyle(pn.before), pn.level, 1, {}, {}));
        return true;
    }
    if (pn.kind == Kind::Numbered) {
        const int style = pn.style != 0 ? pn.style : int(QTextListFormat::ListDecimal);
        add(cursor, kOldNumbering, pn.level,
            listFormat(style, pn.level, pn.start, RtfListTable::labelText(pn.before),
                       RtfListTable::labelText(pn.after)));
        return true;
    }
    if (pn.kind != Kind::Continue)
        closeBelow(kOldNumbering, -1); // old numbering runs only over adjacent paragraphs
    return false;
}

void RtfListBuilder::add(QTextCursor &cursor, int key, int level, const QTextListFormat &format)
{
    closeBelow(key, level);
    Open &open = m_open[{key, level}];
    if (open.list && open.format == format) {
        open.list->add(cursor.block());
        return;
    }
    open.format = format;
    open.list = cursor.createList(format);
}

void RtfListBuilder::closeBelow(int key, int level)
{
    m_open.erase(m_open.upper_bound({key, level}),
                 m_open.upper_bound({key, std::numeric_limits<int>::max()}));
}
