#include "columns/push_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void PushOption::initButtonOption(QStyleOptionButton *option) const
{
    option->initFrom(this);
    option->text = text();
    option->icon = icon();
    option->iconSize = iconSize();
    option->features = QStyleOptionButton::None;
    if (isChecked() || isDown())
        option->state |= QStyle::State_Sunken;
    else
        option->state |= QStyle::State_Raised;
    if (isChecked())
        option->state |= QStyle::State_On;
}

QSize PushOption::sizeHint() const
{
    QStyleOptionButton option;
    initButtonOption(&option);
    const QSize content = fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize styled = style()->sizeFromContents(QStyle::CT_PushButton, &option, content, this);
    // Styles may insist on a wide push button; a short caption needs less.
    return {qMin(styled.width(), content.width() + 3 * fontMetrics().height()), styled.height()};
}

QSize PushOption::minimumSizeHint() const
{
    // The style's preferred button width is generous; a cramped page may go below it.
    const QSize content = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {content.width() + 12, sizeHint().height()};
}

void PushOption::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initButtonOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

bool PushOption::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
