#pragma once

#include <QStringList>

class QListWidgetItem;
class SimpleCombo;

// What every page's result list does; the pages only wire their buttons to these.
namespace ResultList {

// A composer's new sentence: at the top of the list and in its edit line. A full list
// drops its oldest (bottom) entry first, so automatic mode can run for days.
void pushNewest(SimpleCombo *list, const QString &sentence);
// The same, and the entry keeps the words the compose took from the columns, for as long
// as it stays in the list, whatever happens to the columns meanwhile.
void pushNewest(SimpleCombo *list, const QString &sentence, const QStringList &words);
// The words an entry was composed from; none for an entry the user added.
QStringList wordsOf(const QListWidgetItem *entry);

// "添加": the edit text at the top, selected (a full list drops its oldest entry first).
void addEditText(SimpleCombo *list);
// "删除": the selected entry, if any; nothing is selected afterwards.
void removeSelected(SimpleCombo *list);
// "清空": every entry and the edit text.
void clearAll(SimpleCombo *list);

} // namespace ResultList
