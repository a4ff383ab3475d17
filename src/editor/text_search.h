#pragma once

#include <QList>
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

// Where every match starts, first to last; matches do not overlap.
QList<qsizetype> findAll(const QTextDocument *doc, const QString &needle, bool matchCase);

// Replaces the matches of length length at starts (as findAll gives them) as one edit: one
// change notification, one step of the history. Each replacement takes the format of the
// text it replaces. Returns how many.
int replaceMatches(QTextDocument *doc, const QList<qsizetype> &starts, qsizetype length,
                   const QString &replacement);

// findAll, then replaceMatches.
int replaceAll(QTextDocument *doc, const QString &needle, const QString &replacement,
               bool matchCase);

// Whether cursor selects exactly one match of needle.
bool selects(const QTextCursor &cursor, const QString &needle, bool matchCase);

} // namespace TextSearch
