#pragma once

#include <QString>
#include <QStringList>

// The one text order of every sorted list: Chinese pinyin collation, whatever the
// user's own locale.
bool sortedLess(const QString &left, const QString &right);

// Where a word appended to a sorted list goes: after every entry that does not sort
// after it, so equal words keep their arrival order.
int sortedInsertPosition(const QStringList &entries, const QString &word);
