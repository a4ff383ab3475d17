#include "storage/streaming_save.h"

#include "storage/checked_save.h"

StreamingSave::StreamingSave(const QString &path) : m_path(path), m_file(path) {}

StreamingSave::~StreamingSave()
{
    cancel();
}

bool StreamingSave::open(QString *reason)
{
    m_open = m_file.open(QIODevice::WriteOnly);
    return m_open || fail(reason);
}

bool StreamingSave::write(const QByteArray &bytes, QString *reason)
{
    if (!m_open)
        return fail(reason);
    // A nearly full disk takes part of a piece without an error; the rest then tells why.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = m_file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return fail(reason);
        done += qsizetype(written);
    }
    // commit() would ignore a failing flush on Qt 6.4: every piece is checked on its way.
    return (m_file.flush() && m_file.error() == QFileDevice::NoError) || fail(reason);
}

bool StreamingSave::commit(QString *reason)
{
    if (!m_open)
        return fail(reason);
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
        return fail(reason);
    m_open = false;
    if (m_file.commit())
        return true;
    if (reason)
        *reason = CheckedSave::causeOf(m_path, m_file.error());
    return false;
}

void StreamingSave::cancel()
{
    if (!m_open)
        return;
    m_open = false;
    m_file.cancelWriting();
    m_file.commit(); // after cancelWriting() this only removes the temporary file
}

bool StreamingSave::fail(QString *reason)
{
    if (reason)
        *reason = CheckedSave::causeOf(m_path, m_file.error());
    cancel();
    return false;
}
