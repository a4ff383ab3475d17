#include "rtf/rtf_field_format.h"

#include "rtf/rtf_format_properties.h"

#include <QTextCharFormat>

namespace {

// Field arguments are words or quoted strings; inside quotes a backslash escapes the
// next character.
class FieldArguments
{
public:
    explicit FieldArguments(QStringView text) : m_text(text) {}

    // false at the end; quoted tells a switch (\l) from a quoted "\l".
    bool next(QString *argument, bool *quoted)
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
        if (m_pos >= m_text.size())
            return false;
        argument->clear();
        *quoted = m_text[m_pos] == u'"';
        if (*quoted) {
            ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u'"') {
                if (m_text[m_pos] == u'\\' && m_pos + 1 < m_text.size())
                    ++m_pos;
                argument->append(m_text[m_pos++]);
            }
            ++m_pos; // the closing quote, or past the end
            return true;
        }
        while (m_pos < m_text.size() && !m_text[m_pos].isSpace())
            argument->append(m_text[m_pos++]);
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += c;
    }
    out += u'"';
    return out;
}

} // namespace

QString rtfHyperlinkTarget(QStringView instruction)
{
    FieldArguments arguments(instruction);
    QString argument;
    bool isQuoted = false;
    if (!arguments.next(&argument, &isQuoted) || isQuoted ||
        argument.compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return QString();
    QString url;
    QString anchor;
    bool urlSeen = false;
    while (arguments.next(&argument, &isQuoted)) {
        if (!isQuoted && argument.startsWith(u'\\')) {
            const QString name = argument.mid(1).toLower();
            QString value;
            // \l, \o, \t take a value; \m, \n, \h stand alone.
            if ((name == u"l" || name == u"o" || name == u"t") &&
                arguments.next(&value, &isQuoted) && name == u"l")
                anchor = value;
        } else if (!urlSeen) {
            url = argument;
            urlSeen = true;
        }
    }
    QString target = url;
    if (!anchor.isEmpty())
        target += u'#' + anchor;
    return target.isNull() ? QStringLiteral("") : target;
}

QString rtfHyperlinkInstruction(const QString &href)
{
    if (href.startsWith(u'#'))
        return QStringLiteral("HYPERLINK \\l ") + quoted(href.mid(1));
    return QStringLiteral("HYPERLINK ") + quoted(href);
}

void rtfSetField(QTextCharFormat *format, const QString &instruction)
{
    format->setProperty(RtfFormat::FieldInstruction, instruction);
    const QString target = rtfHyperlinkTarget(instruction);
    if (!target.isEmpty()) {
        format->setAnchor(true);
        format->setAnchorHref(target);
    }
}

QString rtfFieldOf(const QTextCharFormat &format)
{
    const QString instruction = format.stringProperty(RtfFormat::FieldInstruction);
    const QString target = rtfHyperlinkTarget(instruction);
    const QString href = format.isAnchor() ? format.anchorHref() : QString();
    if (!href.isEmpty())
        return target == href ? instruction : rtfHyperlinkInstruction(href);
    return target.isEmpty() ? instruction : QString();
}
