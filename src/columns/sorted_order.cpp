#include "columns/sorted_order.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {
const QCollator &chineseCollator()
{
    static const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    return collator;
}
} // namespace

bool sortedLess(const QString &left, const QString &right)
{
    return chineseCollator().compare(left, right) < 0;
}

int sortedInsertPosition(const QStringList &entries, const QString &word)
{
    const auto it = std::upper_bound(entries.cbegin(), entries.cend(), word, sortedLess);
    return int(it - entries.cbegin());
}
