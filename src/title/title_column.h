#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class SimpleCombo;
class WordColumn;
struct TitleColumnDefault;

// One title column with its named controls: caption Text1(i), word list Combotm(i) whose
// edit line is the current word, switch pair in Frame(i), the six column buttons and,
// for every column but the last, the shift button Command11(i).
class TitleColumn : public QWidget
{
    Q_OBJECT

public:
    TitleColumn(int index, const TitleColumnDefault &defaults, bool withShiftButton,
                QWidget *parent);

    int index() const { return m_index; }
    QLineEdit *caption() const { return m_caption; }
    SimpleCombo *list() const { return m_list; }
    WordColumn *column() const { return m_column; }
    QString currentWord() const;
    bool isSwitchedOn() const;

    void saveLibrary();
    void loadLibrary();

signals:
    void shiftRequested(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyListColours();
    QPushButton *addButton(const QString &name, const QString &caption, const QString &toolTip);

    int m_index;
    QLineEdit *m_caption = nullptr;
    SimpleCombo *m_list = nullptr;
    WordColumn *m_column = nullptr;
};
