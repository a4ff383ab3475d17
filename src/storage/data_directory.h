#pragma once

#include <QString>

// Where every data file lives: base directory + "sysh".
namespace DataDirectory {

// Fixed at first use: XDG data home + "/quorvane/" on Linux, the Windows directory there.
QString basePath();
QString path();                            // base + "sysh"
QString filePath(const QString &fileName); // base + "sysh/" + name
// Creates sysh when missing; false with a message naming it when that fails.
bool ensureExists(QString *error);

} // namespace DataDirectory
