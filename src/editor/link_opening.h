#pragma once

class QString;
class QUrl;

// Links in a document open in the user's programs only for the web and mail: a file: or
// javascript: link from a received document must not start anything.
namespace LinkOpening {

bool isOpenable(const QUrl &url);
// Opens href with QDesktopServices when isOpenable; false when it was not opened.
bool open(const QString &href);

} // namespace LinkOpening
