#include "columns/exclusion_set.h"

#include "storage/checked_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

WordPair::WordPair(const QString &a, const QString &b) : first(a < b ? a : b), second(a < b ? b : a)
{
}

bool ExclusionSet::acceptable(const QString &a, const QString &b)
{
    const auto plain = [](const QString &word) {
        return !word.isEmpty() && !word.contains(u'\t') && !word.contains(u'\n') &&
               !word.contains(u'\r');
    };
    return a != b && plain(a) && plain(b);
}

bool ExclusionSet::contains(const QString &a, const QString &b) const
{
    const auto found = m_partners.constFind(a);
    return found != m_partners.cend() && found->contains(b);
}

QList<WordPair> ExclusionSet::pairs() const
{
    QList<WordPair> all;
    all.reserve(m_size);
    for (auto it = m_partners.cbegin(); it != m_partners.cend(); ++it) {
        for (const QString &partner : it.value()) {
            if (it.key() < partner)
                all.append(WordPair(it.key(), partner));
        }
    }
    std::sort(all.begin(), all.end());
    return all;
}

QSet<QString> ExclusionSet::words() const
{
    QSet<QString> all;
    all.reserve(m_partners.size());
    for (auto it = m_partners.cbegin(); it != m_partners.cend(); ++it)
        all.insert(it.key());
    return all;
}

bool ExclusionSet::insert(const WordPair &pair)
{
    if (!acceptable(pair.first, pair.second) || contains(pair.first, pair.second))
        return false;
    m_partners[pair.first].insert(pair.second);
    m_partners[pair.second].insert(pair.first);
    ++m_size;
    return true;
}

bool ExclusionSet::add(const QString &a, const QString &b)
{
    if (!insert(WordPair(a, b)))
        return false;
    emit changed();
    return true;
}

int ExclusionSet::addPairs(const QList<WordPair> &pairs)
{
    int added = 0;
    for (const WordPair &pair : pairs)
        added += insert(pair) ? 1 : 0;
    if (added > 0)
        emit changed();
    return added;
}

bool ExclusionSet::remove(const QString &a, const QString &b)
{
    if (!contains(a, b))
        return false;
    for (const auto &[word, partner] : {std::pair(a, b), std::pair(b, a)}) {
        QSet<QString> &partners = m_partners[word];
        partners.remove(partner);
        if (partners.isEmpty())
            m_partners.remove(word);
    }
    --m_size;
    emit changed();
    return true;
}

void ExclusionSet::clear()
{
    if (m_size == 0)
        return;
    m_partners.clear();
    m_size = 0;
    emit changed();
}

void ExclusionSet::setPairs(const QList<WordPair> &pairs)
{
    const bool wasEmpty = m_size == 0;
    m_partners.clear();
    m_size = 0;
    for (const WordPair &pair : pairs)
        insert(pair);
    if (!(wasEmpty && m_size == 0))
        emit changed();
}

QList<WordPair> ExclusionSet::pairsAmong(const QStringList &words)
{
    QList<WordPair> found;
    for (qsizetype i = 0; i < words.size(); ++i) {
        for (qsizetype j = i + 1; j < words.size(); ++j) {
            const WordPair pair(words.at(i), words.at(j));
            if (acceptable(words.at(i), words.at(j)) && !found.contains(pair))
                found.append(pair);
        }
    }
    return found;
}

QByteArray ExclusionSet::toBytes() const
{
    QByteArray bytes;
    for (const WordPair &pair : pairs())
        bytes += pair.first.toUtf8() + '\t' + pair.second.toUtf8() + '\n';
    return bytes;
}

std::optional<QList<WordPair>> ExclusionSet::fromBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    QList<WordPair> pairs;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(u'\t');
        if (words.size() != 2 || !acceptable(words.at(0), words.at(1)))
            return std::nullopt;
        pairs.append(WordPair(words.at(0), words.at(1)));
    }
    return pairs;
}

bool ExclusionSet::save(const QString &path, QString *error) const
{
    QString reason;
    if (CheckedSave::writeFile(path, toBytes(), &reason))
        return true;
    if (error)
        *error = QStringLiteral("无法保存排除词对文件 %1：%2")
                     .arg(QDir::toNativeSeparators(path), reason);
    return false;
}

bool ExclusionSet::load(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        setPairs({});
        return true;
    }
    QFile file(path);
    std::optional<QList<WordPair>> pairs;
    if (!info.isDir() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            pairs = fromBytes(bytes);
    }
    if (!pairs) {
        if (error)
            *error = QStringLiteral("排除词对文件 %1 无法读取").arg(QDir::toNativeSeparators(path));
        return false;
    }
    setPairs(*pairs);
    return true;
}
