#pragma once

#include <QString>

class Form1;

// A file named on the command line, by this start or by a later one, goes to the editor page
// the way the toolbar's "打开" takes it.
namespace OpenInEditor {

// At start: open the file and show the editor page. An unreadable file shows open's message
// and the window stays on its first page.
bool atStart(Form1 &form, const QString &path);

// From a later start: the window comes to the front; a file replaces the editor's content only
// once unsaved changes were saved or given up.
void fromLaterStart(Form1 &form, const QString &path);

} // namespace OpenInEditor
