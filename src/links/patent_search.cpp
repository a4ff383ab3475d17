#include "links/patent_search.h"

namespace PatentSearch {

const QList<Database> &databases()
{
    static const QList<Database> list = {
        {QStringLiteral("googlePatents"), QStringLiteral("Google Patents（谷歌专利）"),
         QStringLiteral("https://patents.google.com/?q=")},
        {QStringLiteral("espacenet"), QStringLiteral("Espacenet（欧洲专利局）"),
         QStringLiteral("https://worldwide.espacenet.com/patent/search?q=")},
    };
    return list;
}

QString queryFrom(const QString &sentence)
{
    QString query;
    query.reserve(sentence.size());
    bool pendingSpace = false;
    for (const QChar c : sentence) {
        // Symbols such as "=>" or "·" separate words as punctuation does.
        if (c.isPunct() || c.isSpace() || c.isSymbol() || c.category() == QChar::Other_Control) {
            pendingSpace = !query.isEmpty();
            continue;
        }
        if (pendingSpace)
            query += u' ';
        pendingSpace = false;
        query += c;
    }
    return query;
}

QUrl searchUrl(const Database &database, const QString &sentence)
{
    const QString query = queryFrom(sentence);
    if (query.isEmpty())
        return QUrl();
    // Every byte outside the unreserved set encoded, so no browser or page reads a
    // character of the query as part of the address.
    const QByteArray encoded = database.prefix.toUtf8() + QUrl::toPercentEncoding(query);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

} // namespace PatentSearch
