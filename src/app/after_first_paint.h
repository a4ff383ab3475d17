#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs a task once, as soon as the window's first paint has reached the screen, so that
// what the first sight does not need waits until after it. A window that is not shown by
// the first turn of the event loop gets the task then.
class AfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    AfterFirstPaint(QWidget *window, std::function<void()> task);
    Q_DISABLE_COPY_MOVE(AfterFirstPaint)

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run();

    QWidget *m_window = nullptr;
    std::function<void()> m_task;
};
