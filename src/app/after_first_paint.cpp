#include "app/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

AfterFirstPaint::AfterFirstPaint(QWidget *window, std::function<void()> task)
    : QObject(window), m_window(window), m_task(std::move(task))
{
    window->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        if (!m_window->isVisible())
            run();
    });
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle())
        m_window->windowHandle()->installEventFilter(this);
    // The window system's expose paints and flushes the window before it returns; a zero
    // timer runs after that.
    if (watched == m_window->windowHandle() && event->type() == QEvent::Expose &&
        m_window->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &AfterFirstPaint::run);
    }
    return QObject::eventFilter(watched, event);
}

void AfterFirstPaint::run()
{
    if (!m_task)
        return;
    m_window->removeEventFilter(this);
    if (QWindow *window = m_window->windowHandle())
        window->removeEventFilter(this);
    const std::function<void()> task = std::move(m_task);
    m_task = nullptr;
    task();
}
