#include "columns/word_column.h"

#include "columns/method_library_menu.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

WordColumn::WordColumn(SimpleCombo *list, QLineEdit *input, QRadioButton *on, QRadioButton *off,
                       Options options, QObject *parent)
    : QObject(parent), m_list(list), m_input(input), m_on(on), m_off(off), m_options(options)
{
    new MethodLibraryMenu(m_list);
    if (m_input != m_list->lineEdit()) {
        connect(m_list, &SimpleCombo::activated, this,
                [this](int index) { m_input->setText(m_list->itemText(index)); });
        // The list skips a click on its current entry; the input box may have changed since.
        connect(m_list->listWidget(), &QListWidget::itemClicked, this,
                [this](const QListWidgetItem *item) { m_input->setText(item->text()); });
        connect(m_input, &QLineEdit::returnPressed, this, &WordColumn::enterInput);
    } else {
        connect(m_list, &SimpleCombo::returnPressed, this, &WordColumn::enterInput);
    }
    // toggled fires only on a change, so choosing the selected option does nothing
    connect(m_on, &QRadioButton::toggled, this, [this](bool checked) {
        if (!checked)
            return;
        m_list->setEnabled(true);
        emit switchedOn();
    });
    connect(m_off, &QRadioButton::toggled, this, [this](bool checked) {
        if (!checked)
            return;
        m_list->setEnabled(false);
        if (m_options.emptyEditLineOnDisable)
            m_list->setText(QString());
        emit switchedOff();
    });
}

bool WordColumn::isEnabled() const
{
    return m_on->isChecked();
}

void WordColumn::applySwitch()
{
    m_list->setEnabled(isEnabled());
}

bool WordColumn::insertAtTop(const QString &word)
{
    if (m_list->isFull())
        return false;
    m_list->insertItem(0, word);
    m_list->setCurrentIndex(0);
    return true;
}

void WordColumn::enterInput()
{
    if (!isEnabled())
        return;
    // A full list refuses the word; the box keeps it rather than losing it.
    if (!insertAtTop(m_input->text()))
        return;
    // On the title page the edit line is the column's word: it keeps it.
    if (m_input != m_list->lineEdit())
        m_input->clear();
}

void WordColumn::addInput()
{
    if (!isEnabled())
        return;
    insertAtTop(m_input->text());
}

void WordColumn::removeSelected()
{
    if (!isEnabled())
        return;
    const int index = m_list->currentIndex();
    if (index < 0)
        return;
    m_list->removeItem(index);
    if (m_options.deleteEmptiesInput)
        m_input->clear();
}

void WordColumn::clearList()
{
    if (!isEnabled())
        return;
    m_list->clear();
}

void WordColumn::pickRandom()
{
    if (!isEnabled() || m_list->count() == 0)
        return;
    m_list->setCurrentIndex(RandomSource::instance().pick(m_list->count()));
}

void WordColumn::erase()
{
    m_input->clear();
}
