#pragma once

#include <QString>

// A file the program cannot read stays as the user's, under a new name beside it, so that
// nothing written later replaces it.
namespace FileAside {

// Renames path to name-yyyyMMdd-HHmmss(-n).suffix; returns where it is now (its old place
// when it cannot move).
QString keepAside(const QString &path);

} // namespace FileAside
