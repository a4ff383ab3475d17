#include "app/app_icon.h"

QIcon appIcon()
{
    // PNGs rather than the SVG: Qt's SVG plugin is not a dependency of the program.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/app/%1.png").arg(size), QSize(size, size));
    return icon;
}
