#pragma once

// What several benchmarks share: the formatted Chinese document they measure, and the median.

#include <QFont>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace BenchSupport {

inline QFont editorFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    return font;
}

// Paragraphs of prompt-page sentences with mixed fonts, sizes, styles and alignments, until
// the document holds at least minCharacters characters and its RTF about minRtfBytes bytes.
inline void buildDocument(QTextDocument *doc, qsizetype minRtfBytes, int minCharacters = 0)
{
    const QStringList sentences = {
        QStringLiteral("问题提示：《能否使泵变轻》"),
        QStringLiteral("思路提示：研究割草机，可否部件换位，能否引入扇的原理"),
        QStringLiteral("初步发明题目：伯努利防水压缩机"),
        QStringLiteral("简要说明：利用流体速度与压强的关系，减少运动部件。"),
        QStringLiteral("Mixed English text with numbers 12345 and symbols {braces} \\ ;"),
        QStringLiteral("二〇二六年十二月七日 21:30:00，记录于编辑页。"),
    };
    const QStringList families = {QStringLiteral("宋体"), QStringLiteral("黑体"),
                                  QStringLiteral("Arial")};
    const qreal sizes[] = {9, 10.5, 12, 16};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};
    doc->setDefaultFont(editorFont());
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    qsizetype estimate = 0;
    for (int p = 0; estimate < minRtfBytes || doc->characterCount() < minCharacters; ++p) {
        QTextBlockFormat block;
        block.setAlignment(alignments[p % 4]);
        if (p == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        for (int r = 0; r < 6; ++r) {
            const int k = p * 7 + r;
            QTextCharFormat format;
            format.setFontFamilies({families[k % 3]});
            format.setFontPointSize(sizes[k % 4]);
            format.setFontWeight(k % 3 == 0 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(k % 5 == 0);
            format.setFontUnderline(k % 4 == 1);
            const QString &text = sentences[k % sentences.size()];
            cursor.insertText(text, format);
            estimate += text.size() * 9 + 20; // about what one character costs in RTF
        }
    }
    cursor.endEditBlock();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace BenchSupport
