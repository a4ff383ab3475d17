#pragma once

#include <QWidget>

class IdeaPage : public QWidget
{
    Q_OBJECT

public:
    explicit IdeaPage(QWidget *parent = nullptr);

    // One automatic step of Timer1; nothing unless this page's "开始" is selected.
    void autoStep();
    // Selects this page's "停止".
    void stopAutomatic();
};
