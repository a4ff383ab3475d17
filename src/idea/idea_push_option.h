#pragma once

#include <QRadioButton>

class QStyleOptionButton;

// An option drawn as a push button that stays pressed while it is selected. It is still
// a radio button: exclusive with the other options of its frame.
class IdeaPushOption : public QRadioButton
{
    Q_OBJECT

public:
    explicit IdeaPushOption(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void initButtonOption(QStyleOptionButton *option) const;
};
