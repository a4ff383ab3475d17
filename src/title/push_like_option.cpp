#include "title/push_like_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PushLikeOption::PushLikeOption(const QString &text, QWidget *parent) : QRadioButton(text, parent) {}

void PushLikeOption::initButtonOption(QStyleOptionButton *option) const
{
    option->initFrom(this);
    option->text = text();
    option->features = QStyleOptionButton::None;
    if (isChecked() || isDown())
        option->state |= QStyle::State_Sunken | QStyle::State_On;
    else
        option->state |= QStyle::State_Raised | QStyle::State_Off;
}

QSize PushLikeOption::sizeHint() const
{
    QStyleOptionButton option;
    initButtonOption(&option);
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    QSize size = style()->sizeFromContents(QStyle::CT_PushButton, &option, textSize, this);
    // Fusion pads every push button to 80 pixels; an option needs only its text
    size.setWidth(qMin(size.width(), textSize.width() + 24));
    return size;
}

QSize PushLikeOption::minimumSizeHint() const
{
    return sizeHint();
}

void PushLikeOption::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initButtonOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

bool PushLikeOption::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
