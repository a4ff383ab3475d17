#pragma once

#include <QString>

class Form1;

// A file named on the command line goes where it belongs: a setup to its page, anything else
// to the editor page.
namespace OpenGivenFile {

bool atStart(Form1 &form, const QString &path);
// The window comes to the front first; an empty path only does that.
void fromLaterStart(Form1 &form, const QString &path);

} // namespace OpenGivenFile
