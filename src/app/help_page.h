#pragma once

#include <QWidget>

class QPlainTextEdit;

// The three fixed help texts and the memo kept between runs.
class HelpPage : public QWidget
{
    Q_OBJECT

public:
    explicit HelpPage(QWidget *parent = nullptr);

    // Both name the file in a message when it cannot be read or written, and go on.
    void loadMemo();
    void saveMemo();

private:
    QPlainTextEdit *m_memo = nullptr;
};
