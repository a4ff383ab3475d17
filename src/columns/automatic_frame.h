#pragma once

#include <QGroupBox>

class PushOption;

// A page's "开始" / "停止" pair, drawn as push buttons that stay pressed; "停止" at start.
class AutomaticFrame : public QGroupBox
{
    Q_OBJECT

public:
    struct Names
    {
        QString frame;
        QString start;
        QString stop;
    };

    AutomaticFrame(const QString &title, const Names &names, Qt::Orientation orientation,
                   QWidget *parent);

    PushOption *startOption() const { return m_start; }
    PushOption *stopOption() const { return m_stop; }

private:
    PushOption *m_start = nullptr;
    PushOption *m_stop = nullptr;
};
