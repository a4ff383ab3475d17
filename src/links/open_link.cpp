#include "links/open_link.h"

#include "links/link_targets.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

void OpenLinkInBrowser(QLabel *label, const QString &target, const QString &caption)
{
    QString error;
    const QString address = LinkTargets::resolve(target, &error);
    if (address.isEmpty())
        QMessageBox::warning(label, QStringLiteral("打开链接"), error);
    else
        OpenUrlInBrowser(label, QUrl(address));
    label->setText(caption);
}

bool OpenUrlInBrowser(QWidget *parent, const QUrl &url)
{
    if (url.isValid() && QDesktopServices::openUrl(url))
        return true;
    QMessageBox::warning(parent, QStringLiteral("打开链接"),
                         QStringLiteral("无法打开链接：%1").arg(url.toString()));
    return false;
}
