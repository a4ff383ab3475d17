#include "editor/text_search.h"

#include <QTextDocument>

namespace TextSearch {

namespace {

QTextDocument::FindFlags flagsFor(const Options &options)
{
    QTextDocument::FindFlags flags;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options.backward)
        flags |= QTextDocument::FindBackward;
    return flags;
}

} // namespace

Match find(const QTextDocument *doc, const QTextCursor &from, const QString &needle,
           const Options &options)
{
    Match match;
    if (needle.isEmpty())
        return match;
    const QTextDocument::FindFlags flags = flagsFor(options);
    if (!from.isNull())
        match.cursor = doc->find(needle, from, flags);
    else
        match.cursor = doc->find(needle, options.backward ? doc->characterCount() - 1 : 0, flags);
    if (!match.cursor.isNull())
        return match;
    const int restart = options.backward ? doc->characterCount() - 1 : 0;
    match.cursor = doc->find(needle, restart, flags);
    match.wrapped = !match.cursor.isNull();
    return match;
}

int replaceAll(QTextDocument *doc, const QString &needle, const QString &replacement,
               bool matchCase)
{
    if (needle.isEmpty())
        return 0;
    const QTextDocument::FindFlags flags =
        matchCase ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    QTextCursor found = doc->find(needle, 0, flags);
    if (found.isNull())
        return 0;
    QTextCursor editor(doc);
    editor.beginEditBlock();
    int count = 0;
    while (!found.isNull()) {
        editor.setPosition(found.selectionStart());
        editor.setPosition(found.selectionEnd(), QTextCursor::KeepAnchor);
        editor.insertText(replacement, found.charFormat());
        ++count;
        // From after the replacement: a replacement that holds the needle is not searched.
        found = doc->find(needle, editor.position(), flags);
    }
    editor.endEditBlock();
    return count;
}

bool selects(const QTextCursor &cursor, const QString &needle, bool matchCase)
{
    if (!cursor.hasSelection() || needle.isEmpty())
        return false;
    return cursor.selectedText().compare(needle,
                                         matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

} // namespace TextSearch
