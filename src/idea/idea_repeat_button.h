#pragma once

#include <QPushButton>

// A push button that Return and Enter click while it has the focus, once per key event,
// auto-repeat included: holding the key composes at the keyboard's repeat rate.
class IdeaRepeatButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
