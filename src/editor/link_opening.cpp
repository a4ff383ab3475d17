#include "editor/link_opening.h"

#include <QDesktopServices>
#include <QUrl>

namespace LinkOpening {

bool isOpenable(const QUrl &url)
{
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("mailto"), QStringLiteral("ftp")};
    return url.isValid() && schemes.contains(url.scheme().toLower()) &&
           (url.scheme().compare(u"mailto", Qt::CaseInsensitive) == 0 || !url.host().isEmpty());
}

bool open(const QString &href)
{
    const QUrl url(href.trimmed());
    return isOpenable(url) && QDesktopServices::openUrl(url);
}

} // namespace LinkOpening
