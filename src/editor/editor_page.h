#pragma once

#include <QWidget>

class EditorPage : public QWidget
{
    Q_OBJECT

public:
    explicit EditorPage(QWidget *parent = nullptr);

    // Asked before the window closes; false keeps the window open.
    bool confirmClose();
};
