#include "app/window_geometry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");

// Null until the window manager has framed the window (and always without one).
QMargins frameOf(const QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

} // namespace

WindowGeometry::WindowGeometry(QWidget *window) : QObject(window), m_window(window)
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

QRect WindowGeometry::fitted(const QRect &geometry, const QMargins &frame, const QRect &available,
                             const QSize &minimum)
{
    const QSize room = available.marginsRemoved(frame).size();
    QRect outer(geometry.topLeft(),
                QSize(qMax(qMin(geometry.width(), room.width()), minimum.width()),
                      qMax(qMin(geometry.height(), room.height()), minimum.height())));
    outer = outer.marginsAdded(frame);
    // Left and top last: a window larger than the screen keeps its title bar in reach.
    if (outer.right() > available.right())
        outer.moveRight(available.right());
    if (outer.bottom() > available.bottom())
        outer.moveBottom(available.bottom());
    if (outer.left() < available.left())
        outer.moveLeft(available.left());
    if (outer.top() < available.top())
        outer.moveTop(available.top());
    return outer.marginsRemoved(frame);
}

void WindowGeometry::fitOnScreen()
{
    m_fitQueued = false;
    if (m_fitted || !m_window->isVisible() || !m_window->screen() ||
        (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    m_fittedFrame = frameOf(m_window);
    m_fitted = !m_fittedFrame.isNull();
    const QRect inner = m_window->geometry();
    const QRect fit = fitted(inner, m_fittedFrame, m_window->screen()->availableGeometry(),
                             m_window->minimumSize());
    if (fit != inner)
        m_window->setGeometry(fit);
}

bool WindowGeometry::eventFilter(QObject *watched, QEvent *event)
{
    // Fitted at once, and again when the window manager has framed the window (its frame
    // is known by the first paint); after that the user places the window.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        if (watched == parent() && !m_fitted && !m_fitQueued &&
            (event->type() == QEvent::Show || frameOf(m_window) != m_fittedFrame)) {
            m_fitQueued = true;
            QMetaObject::invokeMethod(this, &WindowGeometry::fitOnScreen, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    // Only a close the window accepted hides it; a minimised window's hide is spontaneous.
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched == parent())
        save(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}
