#pragma once

#include "question/question_defaults.h"

#include <QWidget>

class CommandBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SimpleCombo;
class WordColumn;

// One column of the question page: caption box, word list, input box, the "启用"/"停用"
// pair in a frame of its own, the command box and, between columns, the ">" shift button.
class QuestionColumn : public QWidget
{
    Q_OBJECT

public:
    struct Names
    {
        QString caption, list, input, on, off, frame, command, shift; // shift empty: none
        static Names questionWordColumn();
        static Names wordColumn(int index);
    };

    QuestionColumn(const Names &names, const QuestionDefaults::Column &defaults,
                   const QString &libraryFileName, QWidget *parent);

    WordColumn *wordColumn() const { return m_column; }
    QLineEdit *caption() const { return m_caption; }
    SimpleCombo *list() const { return m_list; }
    QLineEdit *input() const { return m_input; }
    QRadioButton *onSwitch() const { return m_on; }
    QRadioButton *offSwitch() const { return m_off; }
    QPushButton *shiftButton() const { return m_shift; }
    bool isSwitchedOn() const;

    // A command of the command box by its position (存词 .. 擦除).
    void runCommand(int position);

private:
    QLineEdit *m_caption = nullptr;
    SimpleCombo *m_list = nullptr;
    QLineEdit *m_input = nullptr;
    QRadioButton *m_on = nullptr;
    QRadioButton *m_off = nullptr;
    CommandBox *m_commands = nullptr;
    QPushButton *m_shift = nullptr;
    WordColumn *m_column = nullptr;
    QString m_libraryFileName;
};
