#pragma once

#include <QIcon>

// The program's icon for its windows, from the same pictures the desktop's icon theme gets.
QIcon appIcon();
