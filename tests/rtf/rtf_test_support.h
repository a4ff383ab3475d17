#pragma once

// Shared by the RTF tests: a readable description of a document (paragraph alignment and
// runs of equal character format) to compare documents with one QCOMPARE.

#include "rtf/rtf_format_properties.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <vector>

namespace rtftest {

// A table in QTextDocument::toRawText(): each cell starts with the one mark, the table ends
// with the other.
inline const QChar kCellMark(char16_t(0xFDD0));
inline const QChar kTableEndMark(char16_t(0xFDD1));

enum Style
{
    Plain = 0,
    Bold = 1,
    Italic = 2,
    Underline = 4
};

struct Run
{
    QString text;
    int style = Plain;
    QString family; // empty: the document's default font
    qreal size = 0; // 0: the document's default size
};

struct Para
{
    Qt::Alignment alignment = Qt::AlignLeft;
    std::vector<Run> runs;
};

using Doc = std::vector<Para>;

inline void build(const Doc &doc, QTextDocument *into)
{
    into->clear();
    QTextCursor cursor(into);
    bool first = true;
    for (const Para &para : doc) {
        QTextBlockFormat block;
        block.setAlignment(para.alignment);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const Run &run : para.runs) {
            QTextCharFormat format;
            if (!run.family.isEmpty())
                format.setFontFamilies({run.family});
            if (run.size > 0)
                format.setFontPointSize(run.size);
            if (run.style & Bold)
                format.setFontWeight(QFont::Bold);
            format.setFontItalic(run.style & Italic);
            format.setFontUnderline(run.style & Underline);
            cursor.insertText(run.text, format);
        }
    }
}

inline QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}

inline QString formatName(const QTextCharFormat &format, const QTextDocument &doc, bool withFamily)
{
    QStringList parts;
    if (format.fontWeight() >= QFont::DemiBold)
        parts << QStringLiteral("b");
    if (format.fontItalic())
        parts << QStringLiteral("i");
    if (format.fontUnderline())
        parts << QStringLiteral("u");
    const QStringList families = format.fontFamilies().toStringList();
    if (withFamily)
        parts << (families.isEmpty() ? doc.defaultFont().family() : families.first());
    const qreal size = format.hasProperty(QTextFormat::FontPointSize)
                           ? format.fontPointSize()
                           : doc.defaultFont().pointSizeF();
    parts << QString::number(size);
    return parts.join(u' ');
}

// One line per paragraph: "center|[b 宋体 16]text|[12]more".
inline QString describe(const QTextDocument &doc, bool withFamily = true)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line = alignmentName(block.blockFormat().alignment());
        QString lastFormat;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString name = formatName(fragment.charFormat(), doc, withFamily);
            if (name != lastFormat)
                line += QStringLiteral("|[") + name + QStringLiteral("]");
            lastFormat = name;
            line += fragment.text();
        }
        lines << line;
    }
    return lines.join(u'\n');
}

// Paragraph and character formats beyond describe(): one line per paragraph,
// "center li48 ri24 fi-24 sb16 sa8 lh150% break|[#ff0000 on #ffff00 hidden]text".
inline QString describeLayout(const QTextDocument &doc)
{
    const auto number = [](qreal value) { return QString::number(value, 'g', 6); };
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        QStringList parts{alignmentName(format.alignment())};
        const std::pair<const char *, qreal> lengths[] = {{"li", format.leftMargin()},
                                                          {"ri", format.rightMargin()},
                                                          {"fi", format.textIndent()},
                                                          {"sb", format.topMargin()},
                                                          {"sa", format.bottomMargin()}};
        for (const auto &[name, value] : lengths) {
            if (value != 0)
                parts << QLatin1String(name) + number(value);
        }
        switch (format.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            parts << QStringLiteral("lh") + number(format.lineHeight()) + u'%';
            break;
        case QTextBlockFormat::FixedHeight:
            parts << QStringLiteral("lh=") + number(format.lineHeight());
            break;
        case QTextBlockFormat::MinimumHeight:
            parts << QStringLiteral("lh>=") + number(format.lineHeight());
            break;
        default:
            break;
        }
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            parts << QStringLiteral("break");
        QString line = parts.join(u' ');
        QString lastFormat = QStringLiteral("none yet");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat chr = fragment.charFormat();
            QStringList names;
            if (chr.hasProperty(QTextFormat::ForegroundBrush))
                names << chr.foreground().color().name();
            if (chr.hasProperty(QTextFormat::BackgroundBrush))
                names << QStringLiteral("on ") + chr.background().color().name();
            if (chr.boolProperty(RtfFormat::Hidden))
                names << QStringLiteral("hidden");
            const QString name = names.join(u' ');
            if (name != lastFormat)
                line += QStringLiteral("|[") + name + QStringLiteral("]");
            lastFormat = name;
            line += fragment.text();
        }
        lines << line;
    }
    return lines.join(u'\n');
}

} // namespace rtftest

Q_DECLARE_METATYPE(rtftest::Doc)
