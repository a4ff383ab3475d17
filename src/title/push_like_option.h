#pragma once

#include <QRadioButton>

// An option button drawn as a push button that stays pressed while selected. It stays
// a QRadioButton, so exclusivity within its frame and the checked state work as usual.
class PushLikeOption : public QRadioButton
{
    Q_OBJECT

public:
    explicit PushLikeOption(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void initButtonOption(QStyleOptionButton *option) const;
};
