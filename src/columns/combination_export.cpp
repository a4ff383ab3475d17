#include "columns/combination_export.h"

#include "columns/consistent_box.h"
#include "storage/streaming_save.h"

#include <QDir>

namespace {
constexpr qsizetype PieceBytes = 256 * 1024;
} // namespace

CombinationExport::CombinationExport(const QList<QStringList> &columns, Sentence sentence,
                                     std::shared_ptr<const ConsistentBox> box)
    : m_columns(columns), m_sentence(std::move(sentence))
{
    QList<int> counts;
    for (const QStringList &words : m_columns)
        counts.append(int(words.size()));
    m_count = CombinationCount::of(counts);
    m_walk.reset(counts);
    m_words = QStringList(m_columns.size(), QString());
    m_atEnd = m_count.isZero();
    if (box && box->restricts() && box->counts() == counts) {
        const long double kept =
            box->isCountExact() ? box->exactCount()->toLongDouble() : box->estimate().value;
        m_share = box->total().isZero() ? 0 : kept / box->total().toLongDouble();
        m_count = box->isCountExact() ? CombinationCount::counted(*box->exactCount())
                                      : CombinationCount::about(kept);
        m_atEnd = box->isEmpty();
        m_walk.resetOver(std::move(box));
    }
}

CombinationExport::~CombinationExport() = default;

long double CombinationExport::lineCount() const
{
    if (m_count.isExact())
        return (long double)m_count.value();
    long double product = 1;
    for (const QStringList &words : m_columns)
        product *= (long double)words.size();
    return product * m_share;
}

long double CombinationExport::estimatedBytes() const
{
    if (m_count.isZero())
        return 0;
    // Every line holds the fixed words and a line feed; each word of a column stands in
    // count / (its column's size) lines.
    const long double lines = lineCount();
    long double bytes = lines * (m_sentence(QStringList(m_columns.size())).toUtf8().size() + 1);
    for (const QStringList &words : m_columns) {
        qint64 columnBytes = 0;
        for (const QString &word : words)
            columnBytes += word.toUtf8().size();
        bytes += (long double)columnBytes * lines / (long double)words.size();
    }
    return bytes;
}

bool CombinationExport::failed(const QString &reason, QString *error)
{
    if (error)
        *error = QStringLiteral("无法写入文件：%1（%2）")
                     .arg(QDir::toNativeSeparators(m_file ? m_file->path() : QString()), reason);
    cancel();
    return false;
}

bool CombinationExport::open(const QString &path, QString *error)
{
    m_file = std::make_unique<StreamingSave>(path);
    m_buffer.reserve(PieceBytes + 4096);
    QString reason;
    return m_file->open(&reason) || failed(reason, error);
}

bool CombinationExport::writeNext(int lines, QString *error)
{
    if (!m_file)
        return failed(QStringLiteral("文件未打开"), error);
    for (int i = 0; i < lines && !m_atEnd; ++i) {
        const QList<int> positions = m_walk.next();
        // The walk starts again after the last combination.
        if (m_written > 0 && m_walk.step() == 1) {
            m_atEnd = true;
            break;
        }
        for (qsizetype c = 0; c < positions.size(); ++c)
            m_words[c] = m_columns.at(c).at(positions.at(c));
        QString line = m_sentence(m_words);
        // A word pasted with a line break would otherwise become two lines.
        if (line.contains(u'\n') || line.contains(u'\r'))
            line.replace(u'\r', u' ').replace(u'\n', u' ');
        m_buffer += line.toUtf8();
        m_buffer += '\n';
        ++m_written;
        if (m_count.isExact() && m_written == m_count.value())
            m_atEnd = true;
        if (m_buffer.size() >= PieceBytes && !flushBuffer(error))
            return false;
    }
    return !m_atEnd || flushBuffer(error);
}

bool CombinationExport::flushBuffer(QString *error)
{
    if (m_buffer.isEmpty())
        return true;
    QString reason;
    if (!m_file->write(m_buffer, &reason))
        return failed(reason, error);
    m_buffer.truncate(0); // keeps its capacity: one allocation for the whole export
    return true;
}

bool CombinationExport::commit(QString *error)
{
    if (!m_file)
        return failed(QStringLiteral("文件未打开"), error);
    if (!flushBuffer(error))
        return false;
    QString reason;
    if (m_file->commit(&reason))
        return true;
    return failed(reason, error);
}

void CombinationExport::cancel()
{
    if (m_file)
        m_file->cancel();
    m_buffer.clear();
}

bool CombinationExport::writeAll(const QString &path, QString *error)
{
    if (!open(path, error))
        return false;
    while (!m_atEnd) {
        if (!writeNext(4096, error))
            return false;
    }
    return commit(error);
}
