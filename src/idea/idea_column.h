#pragma once

#include <QWidget>

class ConnectingWordBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SimpleCombo;
class WordColumn;

// One idea column: caption, lead-word box, word list, trailing-word box, input box, its
// own switch frame and its buttons. The word operations are the shared WordColumn's;
// this class adds the connecting words and the word library of its position.
class IdeaColumn : public QWidget
{
    Q_OBJECT

public:
    IdeaColumn(int index, QWidget *parent);

    int index() const { return m_index; }
    bool isEnabled() const;

    QLineEdit *caption() const { return m_caption; }
    ConnectingWordBox *leadBox() const { return m_lead; }
    SimpleCombo *list() const { return m_list; }
    ConnectingWordBox *trailBox() const { return m_trail; }
    QLineEdit *input() const { return m_input; }
    WordColumn *wordColumn() const { return m_column; }
    // ">" to the right-hand column; none on the last column.
    QPushButton *shiftButton() const { return m_shift; }

    void saveWords();
    void loadWords();

signals:
    // After the column's own "停用" steps; the page adds the steps on column 0.
    void switchedOff();

private:
    QPushButton *makeButton(const char *name, const QString &caption, const QString &toolTip);
    void switchOn();
    void switchOff();

    int m_index;
    QLineEdit *m_caption = nullptr;
    ConnectingWordBox *m_lead = nullptr;
    SimpleCombo *m_list = nullptr;
    ConnectingWordBox *m_trail = nullptr;
    QLineEdit *m_input = nullptr;
    QRadioButton *m_on = nullptr;
    QRadioButton *m_off = nullptr;
    QPushButton *m_shift = nullptr;
    WordColumn *m_column = nullptr;
};
