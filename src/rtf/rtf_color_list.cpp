#include "rtf/rtf_color_list.h"

int RtfColorList::indexOf(const QColor &color)
{
    const QRgb rgb = color.rgb() | 0xFF000000u; // RTF has no transparency
    auto it = m_index.constFind(rgb);
    if (it != m_index.constEnd())
        return *it;
    m_colors.push_back(rgb);
    const int index = int(m_colors.size());
    m_index.insert(rgb, index);
    return index;
}

QByteArray RtfColorList::table() const
{
    QByteArray table("{\\colortbl;");
    for (QRgb rgb : m_colors) {
        table.append("\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                     QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                     ';');
    }
    table.append('}');
    return table;
}
