#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Patent databases whose public search page takes the query in its address, and the
// address for a result sentence.
namespace PatentSearch {

struct Database
{
    QString key;     // object name of its menu action
    QString caption; // as the menu shows it
    QString prefix;  // the address up to the query, which follows percent-encoded
};

const QList<Database> &databases();

// The sentence's words for a search box: the punctuation the pages put between words
// (：，,《》()、。？ ...) and white space become single spaces, trimmed at both ends.
QString queryFrom(const QString &sentence);

// The search address, or an empty QUrl when the sentence holds no word.
QUrl searchUrl(const Database &database, const QString &sentence);

} // namespace PatentSearch
