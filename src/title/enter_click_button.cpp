#include "title/enter_click_button.h"

#include <QKeyEvent>

EnterClickButton::EnterClickButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setAutoDefault(false); // the key is handled here, not by a dialog's default button
}

void EnterClickButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
