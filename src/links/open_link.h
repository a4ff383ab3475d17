#pragma once

class QLabel;
class QString;
class QUrl;
class QWidget;

// Opens target in the user's default browser (or mail program), then gives the label
// its caption. A target that cannot be opened gets one short message.
void OpenLinkInBrowser(QLabel *label, const QString &target, const QString &caption);

// Opens url in the user's default browser; one short message, over parent, when that
// fails. False then.
bool OpenUrlInBrowser(QWidget *parent, const QUrl &url);
