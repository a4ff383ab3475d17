// Feeds arbitrary bytes to the RTF reader; whatever it reads must come back unchanged
// through the writer and the reader again (text, paragraph and character formats, pictures,
// lists and table cells).

#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString colors(const QTextCharFormat &format)
{
    QString out;
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        out += format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        out += u'/' + format.background().color().name();
    return out;
}

// The block's list (style and level) and its place in the innermost table around it.
QString structure(const QTextBlock &block)
{
    QString out;
    if (const QTextList *list = block.textList())
        out +=
            QStringLiteral(" L%1/%2").arg(int(list->format().style())).arg(list->format().indent());
    if (QTextTable *table = QTextCursor(block).currentTable()) {
        const QTextTableCell cell = table->cellAt(block.position());
        out += QStringLiteral(" C%1,%2 %3x%4")
                   .arg(cell.row())
                   .arg(cell.column())
                   .arg(cell.rowSpan())
                   .arg(cell.columnSpan());
    }
    return out;
}

// The field and link a character stands in, and whether it is part of a note (ids are
// the reader's own numbering).
QString placement(const QTextCharFormat &format)
{
    QString out;
    if (format.isAnchor())
        out += QStringLiteral(" href=") + format.anchorHref();
    const QString field = format.stringProperty(RtfFormat::FieldInstruction);
    if (!field.isEmpty())
        out += QStringLiteral(" field=") + field;
    if (format.intProperty(RtfFormat::NoteId) > 0)
        out += QStringLiteral(" note");
    return out;
}

QString signature(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat para = block.blockFormat();
        out += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                   .arg(int(para.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(para.leftMargin())
                   .arg(para.rightMargin())
                   .arg(para.textIndent())
                   .arg(para.topMargin())
                   .arg(para.bottomMargin())
                   .arg(para.lineHeightType())
                   .arg(para.lineHeight())
                   .arg(int(para.pageBreakPolicy()));
        out += structure(block);
        QString last;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString name = QStringLiteral("[%1%2%3%4%5 %6 %7 %8 %9%10]")
                                     .arg(format.fontWeight() >= QFont::DemiBold)
                                     .arg(format.fontItalic())
                                     .arg(format.fontUnderline())
                                     .arg(format.fontStrikeOut())
                                     .arg(format.boolProperty(RtfFormat::Hidden))
                                     .arg(format.fontPointSize())
                                     .arg(int(format.verticalAlignment()))
                                     .arg(format.fontFamilies().toStringList().join(u','))
                                     .arg(colors(format), placement(format));
            if (name != last)
                out += name;
            last = name;
            if (!format.isImageFormat()) {
                out += it.fragment().text();
                continue;
            }
            // Pictures and kept groups: their shown size, and which of the two. Equal ones
            // side by side share a fragment, so each character is one of them.
            const QTextImageFormat image = format.toImageFormat();
            const QString tag =
                QStringLiteral("<%1x%2%3>")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(image.hasProperty(RtfFormat::KeptGroup) ? QChar(u'k') : QChar(u'p'));
            for (const QChar c : it.fragment().text())
                out += tag + c;
        }
        out += u'\n';
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    readRtf(input, &doc);
    const QByteArray written = writeRtf(doc);
    QTextDocument again;
    readRtf(written, &again);
    const QString before = signature(doc);
    const QString after = signature(again);
    if (before != after) {
        std::fprintf(stderr, "round trip differs:\n%s\n----\n%s\n---- written:\n",
                     before.toUtf8().constData(), after.toUtf8().constData());
        std::fwrite(written.constData(), 1, size_t(written.size()), stderr);
        std::abort();
    }
    return 0;
}
