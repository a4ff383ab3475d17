#pragma once

#include <QPushButton>

// A compose button: while it has the focus, every Return or Enter key event clicks it,
// auto-repeat included, so a held key composes at the keyboard's repeat rate.
class EnterKeyButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
