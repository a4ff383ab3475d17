#include "app/window_geometry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>
#include <QWidget>

namespace {
const QString GeometryKey = QStringLiteral("window/geometry");
}

WindowGeometry::WindowGeometry(QWidget *window) : QObject(window)
{
    window->installEventFilter(this);
}

void WindowGeometry::keep(QWidget *window)
{
    restore(window);
    auto *keeper = new WindowGeometry(window);
    // The desktop session may end with the window still open.
    connect(qApp, &QCoreApplication::aboutToQuit, keeper, [window] {
        if (window->isVisible())
            save(window);
    });
}

bool WindowGeometry::restore(QWidget *window)
{
    const QByteArray geometry = QSettings().value(GeometryKey).toByteArray();
    return !geometry.isEmpty() && window->restoreGeometry(geometry);
}

void WindowGeometry::save(const QWidget *window)
{
    QSettings settings;
    settings.setValue(GeometryKey, window->saveGeometry());
}

bool WindowGeometry::eventFilter(QObject *watched, QEvent *event)
{
    // Only a close the window accepted hides it; a minimised window's hide is spontaneous.
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched == parent())
        save(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}
