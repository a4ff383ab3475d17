#pragma once

#include <QObject>

class QLineEdit;
class QRadioButton;
class SimpleCombo;

// The operations every word column shares: a word list, the input box the composers
// read (on the title page the list's own edit line), and an enable switch pair.
// Pages add their own effects to the switch through switchedOn/switchedOff.
class WordColumn : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool emptyEditLineOnDisable = true; // the idea page keeps it
        bool deleteEmptiesInput = true;     // the title page leaves it
    };

    WordColumn(SimpleCombo *list, QLineEdit *input, QRadioButton *on, QRadioButton *off,
               Options options, QObject *parent);

    bool isEnabled() const;
    SimpleCombo *list() const { return m_list; }
    QLineEdit *input() const { return m_input; }
    QRadioButton *onSwitch() const { return m_on; }
    QRadioButton *offSwitch() const { return m_off; }

    // The column commands; each does nothing on a disabled column except erase().
    void enterInput(); // Enter in the input box: add at the top, select, empty the box
    void addInput();   // "添加": add at the top, select, the box keeps the word
    void removeSelected();
    void clearList();
    void pickRandom(); // also the composers' random draw
    void erase();

    // Makes the list available or not to match the switch; start-up calls it once.
    void applySwitch();

signals:
    void switchedOn();
    void switchedOff();

private:
    bool insertAtTop(const QString &word);

    SimpleCombo *m_list;
    QLineEdit *m_input;
    QRadioButton *m_on;
    QRadioButton *m_off;
    Options m_options;
};
