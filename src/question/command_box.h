#pragma once

#include <QComboBox>

// A column's drop-down list of commands. Choosing an entry runs it (activated), even the
// one already shown; the mouse wheel runs nothing, so scrolling past cannot clear a list.
class CommandBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent *event) override;
};
