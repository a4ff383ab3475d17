#pragma once

#include <QPushButton>

// A compose button: while it has the focus, every Enter or Return key event clicks it
// once, auto-repeat included, so holding the key sets the pace.
class EnterClickButton : public QPushButton
{
    Q_OBJECT

public:
    explicit EnterClickButton(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
