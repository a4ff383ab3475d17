#include "question/command_box.h"

#include <QWheelEvent>

void CommandBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
