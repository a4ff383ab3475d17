#pragma once

class QLabel;
class QString;

// Opens target in the user's default browser (or mail program), then gives the label
// its caption. A target that cannot be opened gets one short message.
void OpenLinkInBrowser(QLabel *label, const QString &target, const QString &caption);
