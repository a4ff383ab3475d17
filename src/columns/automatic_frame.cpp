#include "columns/automatic_frame.h"

#include "columns/push_option.h"

#include <QBoxLayout>

AutomaticFrame::AutomaticFrame(const QString &title, const Names &names,
                               Qt::Orientation orientation, QWidget *parent)
    : QGroupBox(title, parent), m_start(new PushOption(QStringLiteral("开始"), this)),
      m_stop(new PushOption(QStringLiteral("停止"), this))
{
    setObjectName(names.frame);
    m_start->setObjectName(names.start);
    m_stop->setObjectName(names.stop);
    m_stop->setChecked(true);

    auto *layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_start);
    layout->addWidget(m_stop);
    if (orientation == Qt::Vertical)
        layout->addStretch(1);
}
