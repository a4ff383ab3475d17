#include "editor/selection_format.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace SelectionFormat {

bool hasStyle(const QTextCharFormat &format, Style style)
{
    switch (style) {
    case Style::Bold:
        return format.fontWeight() >= QFont::Bold;
    case Style::Italic:
        return format.fontItalic();
    case Style::Underline:
        return format.fontUnderline();
    }
    return false;
}

bool selectionHasStyle(const QTextCursor &cursor, const QTextCharFormat &caretFormat, Style style)
{
    if (!cursor.hasSelection())
        return hasStyle(caretFormat, style);
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const QTextDocument *doc = cursor.document();
    for (QTextBlock block = doc->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            if (!hasStyle(fragment.charFormat(), style))
                return false;
        }
    }
    return true;
}

QTextCharFormat styleFormat(Style style, bool on)
{
    QTextCharFormat format;
    switch (style) {
    case Style::Bold:
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        break;
    case Style::Italic:
        format.setFontItalic(on);
        break;
    case Style::Underline:
        format.setFontUnderline(on);
        break;
    }
    return format;
}

Qt::Alignment alignmentFor(int value)
{
    switch (value) {
    case AlignRightValue:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case AlignCenterValue:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

int alignmentValue(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        return AlignCenterValue;
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return AlignRightValue;
    if (horizontal & Qt::AlignJustify)
        return -1;
    return AlignLeftValue;
}

} // namespace SelectionFormat
