#pragma once

#include <QObject>

class QWidget;

// The main window comes back with the size, place and maximised state the user left it
// in; QWidget::restoreGeometry pulls it onto a screen that still exists. Without saved
// settings the window keeps the size it was built with.
class WindowGeometry : public QObject
{
    Q_OBJECT

public:
    // Restores window now (call before show()) and saves it whenever it is closed.
    static void keep(QWidget *window);

    static bool restore(QWidget *window);
    static void save(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowGeometry(QWidget *window);
};
