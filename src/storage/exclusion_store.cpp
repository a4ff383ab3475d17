#include "storage/exclusion_store.h"

#include "columns/exclusion_set.h"
#include "storage/data_directory.h"
#include "storage/file_aside.h"

#include <QDir>
#include <QMessageBox>

QString ExclusionStore::fileNameFor(const QString &page)
{
    return QStringLiteral("quorvane-exclusions-%1.txt").arg(page);
}

ExclusionStore::ExclusionStore(ExclusionSet *set, const QString &fileName, QWidget *messageParent)
    : QObject(set), m_set(set), m_fileName(fileName), m_messageParent(messageParent)
{
    connect(m_set, &ExclusionSet::changed, this, &ExclusionStore::save);
}

QString ExclusionStore::path() const
{
    return DataDirectory::filePath(m_fileName);
}

void ExclusionStore::load()
{
    QString error;
    m_loading = true;
    const bool read = m_set->load(path(), &error);
    m_loading = false;
    if (read)
        return;
    const QString kept = FileAside::keepAside(path());
    if (kept == path()) {
        m_readOnly = true;
        warn(error +
             QStringLiteral("，也无法改名保留。为免覆盖它，本次对排除词对的改动不会保存。"));
        return;
    }
    warn(error + QStringLiteral("，已原样保留在：%1").arg(QDir::toNativeSeparators(kept)));
}

void ExclusionStore::save()
{
    if (m_loading || m_readOnly)
        return;
    QString error;
    // sysh may have been removed while the program runs; it is made again rather than lose
    // the pairs.
    if (DataDirectory::ensureExists(&error) && m_set->save(path(), &error)) {
        m_failing = false;
        return;
    }
    // Once per run of failures: every click in the grid would bring it back otherwise.
    if (!m_failing)
        warn(error + QStringLiteral("\n排除的词对在本次运行中照样有效，下次改动时会再试着保存。"));
    m_failing = true;
}

void ExclusionStore::warn(const QString &text)
{
    QMessageBox::warning(m_messageParent, QStringLiteral("排除词对"), text);
}
