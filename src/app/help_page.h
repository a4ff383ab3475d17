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
    // False when the memo could not be written; the box keeps what the user wrote.
    bool saveMemo();
    // Whether the box holds something the memo file does not.
    bool memoChanged() const;

private:
    QPlainTextEdit *m_memo = nullptr;
    bool m_memoUnread = false;
};
