#include "editor/text_search.h"

#include <QTextDocument>

namespace TextSearch {

namespace {

bool hasCase(const QString &needle)
{
    for (const QChar c : needle) {
        if (c.toLower() != c || c.toUpper() != c || c.toCaseFolded() != c)
            return true;
    }
    return false;
}

// A needle without letters that have case (Chinese, digits) is found case-sensitively:
// the same matches, many times faster.
Qt::CaseSensitivity sensitivity(bool matchCase, const QString &needle)
{
    return matchCase || !hasCase(needle) ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

QTextCursor selection(const QTextDocument *doc, qsizetype start, qsizetype length)
{
    QTextCursor cursor(const_cast<QTextDocument *>(doc));
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

// One search over the document's raw text (positions are the document's own; a paragraph
// break is a character no needle holds): QTextDocument::find copies every paragraph's
// text on its way, which in a long document takes longer than a keystroke should.
Match find(const QTextDocument *doc, const QTextCursor &from, const QString &needle,
           const Options &options)
{
    Match match;
    if (needle.isEmpty())
        return match;
    const QString text = doc->toRawText();
    const Qt::CaseSensitivity cs = sensitivity(options.matchCase, needle);
    const qsizetype n = needle.size();
    qsizetype at = -1;
    if (options.backward) {
        const qsizetype before = from.isNull() ? text.size() : from.selectionStart();
        if (before > 0)
            at = text.lastIndexOf(needle, before - 1, cs);
        if (at < 0) {
            // round the start: only what lies after the starting point is left to search
            at = text.lastIndexOf(needle, -1, cs);
            match.wrapped = at >= 0;
        }
    } else {
        const qsizetype after = from.isNull() ? 0 : from.selectionEnd();
        at = text.indexOf(needle, after, cs);
        if (at < 0 && after > 0) {
            at = QStringView(text).left(qMin(text.size(), after + n - 1)).indexOf(needle, 0, cs);
            match.wrapped = at >= 0;
        }
    }
    if (at >= 0)
        match.cursor = selection(doc, at, n);
    return match;
}

QList<qsizetype> findAll(const QTextDocument *doc, const QString &needle, bool matchCase)
{
    QList<qsizetype> starts;
    if (needle.isEmpty())
        return starts;
    const QString text = doc->toRawText();
    const Qt::CaseSensitivity cs = sensitivity(matchCase, needle);
    for (qsizetype at = text.indexOf(needle, 0, cs); at >= 0;
         at = text.indexOf(needle, at + needle.size(), cs))
        starts.append(at);
    return starts;
}

int replaceMatches(QTextDocument *doc, const QList<qsizetype> &starts, qsizetype length,
                   const QString &replacement)
{
    if (starts.isEmpty())
        return 0;
    QTextCursor editor(doc);
    editor.beginEditBlock();
    // From the last match back, so the positions found stay valid; a replacement that
    // holds the needle is never searched again.
    for (auto it = starts.crbegin(); it != starts.crend(); ++it) {
        editor.setPosition(int(*it));
        editor.setPosition(int(*it + length), QTextCursor::KeepAnchor);
        editor.insertText(replacement, editor.charFormat());
    }
    editor.endEditBlock();
    return int(starts.size());
}

int replaceAll(QTextDocument *doc, const QString &needle, const QString &replacement,
               bool matchCase)
{
    return replaceMatches(doc, findAll(doc, needle, matchCase), needle.size(), replacement);
}

bool selects(const QTextCursor &cursor, const QString &needle, bool matchCase)
{
    if (!cursor.hasSelection() || needle.isEmpty())
        return false;
    return cursor.selectedText().compare(needle,
                                         matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

} // namespace TextSearch
