#include "results/result_list.h"

#include "columns/simple_combo.h"

#include <QListWidget>

namespace ResultList {

namespace {
constexpr int WordsRole = Qt::UserRole + 1;

void makeRoom(SimpleCombo *list)
{
    if (list->isFull())
        list->removeItem(list->count() - 1);
}
} // namespace

void pushNewest(SimpleCombo *list, const QString &sentence)
{
    makeRoom(list);
    list->insertItem(0, sentence);
    list->setText(sentence);
}

void pushNewest(SimpleCombo *list, const QString &sentence, const QStringList &words)
{
    pushNewest(list, sentence);
    if (QListWidgetItem *entry = list->listWidget()->item(0))
        entry->setData(WordsRole, words);
}

QStringList wordsOf(const QListWidgetItem *entry)
{
    return entry ? entry->data(WordsRole).toStringList() : QStringList();
}

void addEditText(SimpleCombo *list)
{
    makeRoom(list);
    list->insertItem(0, list->text());
    list->setCurrentIndex(0);
}

void removeSelected(SimpleCombo *list)
{
    const int index = list->currentIndex();
    if (index >= 0)
        list->removeItem(index);
}

void clearAll(SimpleCombo *list)
{
    list->clear();
}

} // namespace ResultList
