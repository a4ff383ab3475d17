#pragma once

#include <QMargins>
#include <QObject>

class QRect;
class QSize;
class QWidget;

// The main window comes back with the size, place and maximised state the user left it
// in; QWidget::restoreGeometry pulls it onto a screen that still exists. Without saved
// settings the window keeps the size it was built with. Shown, it fits on its screen's
// available area frame included, once the window manager has told the frame.
class WindowGeometry : public QObject
{
    Q_OBJECT

public:
    // Restores window now (call before show()) and saves it whenever it is closed.
    static void keep(QWidget *window);

    static bool restore(QWidget *window);
    static void save(const QWidget *window);

    // The window geometry (frame excluded) no larger than available leaves room for, and
    // moved so that its frame lies inside available; never smaller than minimum.
    static QRect fitted(const QRect &geometry, const QMargins &frame, const QRect &available,
                        const QSize &minimum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowGeometry(QWidget *window);
    void fitOnScreen();

    QWidget *m_window;
    // The frame the window was last fitted with; done once it had one.
    QMargins m_fittedFrame;
    bool m_fitted = false;
    bool m_fitQueued = false;
};
