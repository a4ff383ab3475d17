#pragma once

#include <QAction>
#include <QMenu>

// The action of that object name in a menu or any of its submenus; null when there is none.
inline QAction *actionIn(const QMenu *menu, const QString &name)
{
    for (QAction *a : menu->actions()) {
        if (a->objectName() == name)
            return a;
        if (a->menu()) {
            if (QAction *inner = actionIn(a->menu(), name))
                return inner;
        }
    }
    return nullptr;
}
