#pragma once

#include <QString>

class Form1;

// A setup file named on the command line, by this start or a later one (a double click in the
// file manager), opens in the page it belongs to, which comes to the front.
namespace OpenSetup {

// By its name: "*.qvset", whatever the case.
bool isSetupFile(const QString &path);

// False after one message naming the file and why; then no page changed.
bool inWindow(Form1 &form, const QString &path);

} // namespace OpenSetup
