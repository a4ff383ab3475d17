#include "idea/connecting_word_box.h"

#include "columns/sorted_order.h"

#include <QLineEdit>

ConnectingWordBox::ConnectingWordBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Qt would complete a typed "研" to the entry "研究"; the hint must read what was typed.
    setCompleter(nullptr);
    // Enter in the box keeps the typed text as the text; the entries stay as laid out.
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    setMinimumContentsLength(3);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QStringList ConnectingWordBox::entries() const
{
    QStringList words;
    words.reserve(count());
    for (int i = 0; i < count(); ++i)
        words.append(itemText(i));
    return words;
}

void ConnectingWordBox::addEntry(const QString &word)
{
    const QString kept = text();
    const int position = m_sorted ? sortedInsertPosition(entries(), word) : count();
    insertItem(position, word);
    // The first entry of an empty box would otherwise become its text.
    if (text() != kept)
        setText(kept);
}

void ConnectingWordBox::addEntries(const QStringList &words)
{
    for (const QString &word : words)
        addEntry(word);
}

void ConnectingWordBox::restoreEntries(const QStringList &words)
{
    const QString kept = text();
    clear();
    addItems(words);
    setText(kept);
}

void ConnectingWordBox::setText(const QString &text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(text);
}

void ConnectingWordBox::exchange(ConnectingWordBox *left, ConnectingWordBox *right)
{
    const QStringList leftEntries = left->entries();
    const QString leftText = left->text();
    const QStringList rightEntries = right->entries();
    const QString rightText = right->text();
    left->clear();
    left->addEntries(rightEntries);
    left->setText(rightText);
    right->clear();
    right->addEntries(leftEntries);
    right->setText(leftText);
}
