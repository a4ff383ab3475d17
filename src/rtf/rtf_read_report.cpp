#include "rtf/rtf_read_report.h"

#include "rtf/rtf_format_properties.h"

#include <QTextDocument>
#include <QTextFrame>

void RtfReadReport::count(const QString &what, int times)
{
    if (times <= 0)
        return;
    for (auto &[kind, n] : m_counts) {
        if (kind == what) {
            n = n > 1000000000 - times ? 1000000000 : n + times;
            return;
        }
    }
    m_counts.emplace_back(what, times);
}

QStringList RtfReadReport::phrases() const
{
    QStringList out;
    for (const auto &[kind, n] : m_counts)
        out << QStringLiteral("%1 %2 处").arg(kind).arg(n);
    return out;
}

void RtfReadReport::storeOn(QTextDocument *doc) const
{
    QTextFrame *root = doc->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    if (m_counts.empty() && !format.hasProperty(RtfFormat::UnkeptContent))
        return;
    if (m_counts.empty())
        format.clearProperty(RtfFormat::UnkeptContent);
    else
        format.setProperty(RtfFormat::UnkeptContent, phrases());
    root->setFrameFormat(format);
}

QStringList rtfUnkeptContent(const QTextDocument &doc)
{
    return doc.rootFrame()->frameFormat().property(RtfFormat::UnkeptContent).toStringList();
}
