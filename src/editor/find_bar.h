#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

// findBar: find (and replace) under the editor. Shown by Ctrl+F, with the replace row by
// Ctrl+H; Escape hides it and gives the editor the focus. Notes such as "找不到" stay in
// the bar; nothing here opens a message box.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QTextEdit *edit, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FindBar)

    // Shows the bar with the find field focused and filled from a one-line selection.
    void showFind();
    void showReplace();
    void hideBar();

    bool findNext();
    bool findPrevious();
    // Replaces the selected match, then goes to the next.
    void replaceOne();
    int replaceAllMatches();

    QString note() const;
    QString findText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void open(bool withReplace);
    void setReplaceVisible(bool visible);
    bool find(bool backward);
    void setNote(const QString &text);

    QTextEdit *m_edit = nullptr;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_replaceLabel = nullptr;
    QToolButton *m_close = nullptr;
};
