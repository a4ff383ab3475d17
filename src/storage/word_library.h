#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class SimpleCombo;

// A column's words between runs: one file per column position in the data directory.
namespace WordLibrary {

// "dlls3.kvr", "dllos.kvr", "dllts2.kvr", "dllkvr6.kvr"
QString questionFileName(int column);
QString questionWordFileName();
QString ideaFileName(int column);
QString titleFileName(int column);

// Widget-free halves, for tests and for the two below.
bool saveWords(const QString &path, const QStringList &words, QString *error);
bool loadWords(const QString &path, QStringList *words, QString *error);

// The column commands: on failure one message naming the file; the list stays as it
// was and the old file stays whole. Callers check that the column is enabled.
void saveList(const SimpleCombo *list, const QString &fileName, QWidget *messageParent);
void loadList(SimpleCombo *list, const QString &fileName, QWidget *messageParent);

} // namespace WordLibrary
