#include "storage/word_library.h"

#include "columns/simple_combo.h"
#include "storage/data_directory.h"
#include "storage/line_file.h"

#include <QMessageBox>

namespace WordLibrary {

QString questionFileName(int column)
{
    return QStringLiteral("dlls%1.kvr").arg(column);
}

QString questionWordFileName()
{
    return QStringLiteral("dllos.kvr");
}

QString ideaFileName(int column)
{
    return QStringLiteral("dllts%1.kvr").arg(column);
}

QString titleFileName(int column)
{
    return QStringLiteral("dllkvr%1.kvr").arg(column);
}

bool saveWords(const QString &path, const QStringList &words, QString *error)
{
    return LineFile::writeAll(path, LineFile::encodeLines(words), error);
}

bool loadWords(const QString &path, QStringList *words, QString *error)
{
    return LineFile::ensureAndRead(path, words, error);
}

void saveList(const SimpleCombo *list, const QString &fileName, QWidget *messageParent)
{
    // sysh may have been removed while the program runs; it is made again rather than lose
    // the words.
    QString error;
    if (!DataDirectory::ensureExists(&error) ||
        !saveWords(DataDirectory::filePath(fileName), list->items(), &error))
        QMessageBox::warning(messageParent, QStringLiteral("保存词库"), error);
}

void loadList(SimpleCombo *list, const QString &fileName, QWidget *messageParent)
{
    QStringList words;
    QString error;
    if (!loadWords(DataDirectory::filePath(fileName), &words, &error)) {
        QMessageBox::warning(messageParent, QStringLiteral("调用词库"), error);
        return;
    }
    list->clear();
    list->addItems(words);
}

} // namespace WordLibrary
