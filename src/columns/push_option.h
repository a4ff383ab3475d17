#pragma once

#include <QRadioButton>

class QStyleOptionButton;

// An option button drawn as a push button that stays pressed while it is selected.
// It stays a QRadioButton, so exclusivity within its parent works as for any option.
class PushOption : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void initButtonOption(QStyleOptionButton *option) const;
};
