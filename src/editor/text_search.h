#pragma once

#include <QString>
#include <QTextCursor>

class QTextDocument;

// Find and replace in a document, without widgets. A match never spans a paragraph break.
namespace TextSearch {

struct Options
{
    bool matchCase = false;
    bool backward = false;
};

struct Match
{
    QTextCursor cursor;   // selects the match; null when there is none
    bool wrapped = false; // found only after going round the document's end (or start)
};

// The next match after the selection (backward: the one before it), going round once.
Match find(const QTextDocument *doc, const QTextCursor &from, const QString &needle,
           const Options &options);

// Replaces every match as one edit (one change notification, one step of the history).
// Each replacement takes the format of the text it replaces. Returns how many.
int replaceAll(QTextDocument *doc, const QString &needle, const QString &replacement,
               bool matchCase);

// Whether cursor selects exactly one match of needle.
bool selects(const QTextCursor &cursor, const QString &needle, bool matchCase);

} // namespace TextSearch
