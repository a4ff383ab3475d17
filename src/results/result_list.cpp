#include "results/result_list.h"

#include "columns/simple_combo.h"

namespace ResultList {

namespace {
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
