#include "idea/idea_push_option.h"

#include <QStyleOptionButton>
#include <QStylePainter>

IdeaPushOption::IdeaPushOption(const QString &text, QWidget *parent) : QRadioButton(text, parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void IdeaPushOption::initButtonOption(QStyleOptionButton *option) const
{
    option->initFrom(this);
    option->text = text();
    option->features = QStyleOptionButton::None;
    if (isChecked() || isDown())
        option->state |= QStyle::State_Sunken | QStyle::State_On;
    else
        option->state |= QStyle::State_Raised;
}

QSize IdeaPushOption::sizeHint() const
{
    QStyleOptionButton option;
    initButtonOption(&option);
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, textSize, this);
}

void IdeaPushOption::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initButtonOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

bool IdeaPushOption::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
