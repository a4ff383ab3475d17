#include "editor/recovery_copy.h"

#include "editor/editor_file.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "storage/data_directory.h"
#include "storage/file_aside.h"
#include "storage/line_file.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtDebug>

RecoveryCopy::RecoveryCopy(const QTextDocument *doc, QObject *parent)
    : QObject(parent), m_doc(doc), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("recoveryTimer"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::CoarseTimer);
    connect(m_timer, &QTimer::timeout, this, &RecoveryCopy::writeNow);
    m_clock.start();
}

QString RecoveryCopy::filePath()
{
    return DataDirectory::filePath(QStringLiteral("quorvane-recovery.rtf"));
}

bool RecoveryCopy::read(const QString &path, QTextDocument *into)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || !EditorFile::looksLikeRtf(bytes))
        return false;
    readRtf(bytes, into);
    return true;
}

QString RecoveryCopy::keepAside(const QString &path)
{
    return FileAside::keepAside(path);
}

void RecoveryCopy::setEnabled(bool on)
{
    m_enabled = on;
    if (!on) {
        m_timer->stop();
        m_schedule.written();
    }
}

void RecoveryCopy::documentChanged()
{
    if (!m_enabled)
        return;
    const qint64 now = m_clock.elapsed();
    m_schedule.changed(now);
    m_timer->start(int(qMax<qint64>(0, m_schedule.dueAt() - now)));
}

bool RecoveryCopy::isPending() const
{
    return m_timer->isActive();
}

bool RecoveryCopy::writeNow()
{
    m_timer->stop();
    m_schedule.written();
    if (!m_enabled)
        return false;
    QString error;
    if (LineFile::writeAll(filePath(), writeRtf(*m_doc), &error))
        return true;
    // A message box now would break into the typing; the next attempt comes by itself.
    qWarning().noquote() << error;
    m_timer->start(int(RecoverySchedule::LongestMs));
    return false;
}

void RecoveryCopy::discard()
{
    m_timer->stop();
    m_schedule.written();
    if (m_enabled && QFileInfo(filePath()).isFile())
        QFile::remove(filePath());
}
