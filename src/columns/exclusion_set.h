#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// Two words that no sentence of a page may hold together, wherever they stand. Kept in
// order (first < second), so a pair is the same whichever word comes first.
struct WordPair
{
    WordPair() = default;
    WordPair(const QString &a, const QString &b);

    QString first;
    QString second;

    friend bool operator==(const WordPair &a, const WordPair &b)
    {
        return a.first == b.first && a.second == b.second;
    }
    friend bool operator<(const WordPair &a, const WordPair &b)
    {
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    }
};

// A page's ruled-out pairs, keyed by the words themselves, so column shift, sorting,
// adding and loading keep them meaningful. No widgets, no file of its own: whoever keeps it
// across runs (or with a page's setup) goes through toBytes()/fromBytes() or save()/load().
class ExclusionSet : public QObject
{
    Q_OBJECT

public:
    explicit ExclusionSet(QObject *parent = nullptr) : QObject(parent) {}

    // Two different, non-empty words without tab or line break (the file's separators).
    static bool acceptable(const QString &a, const QString &b);

    bool contains(const QString &a, const QString &b) const;
    bool isEmpty() const { return m_size == 0; }
    qsizetype size() const { return m_size; }
    // Every pair, sorted.
    QList<WordPair> pairs() const;
    // Every word that takes part in a pair.
    QSet<QString> words() const;
    // The words ruled out beside word.
    QSet<QString> partnersOf(const QString &word) const { return m_partners.value(word); }
    // Every word with its partners, each pair from both sides: for whole passes.
    const QHash<QString, QSet<QString>> &partnerMap() const { return m_partners; }

    // Each emits changed() once when something changed; unacceptable pairs are skipped.
    bool add(const QString &a, const QString &b);
    int addPairs(const QList<WordPair> &pairs);
    bool remove(const QString &a, const QString &b);
    void clear();
    void setPairs(const QList<WordPair> &pairs);

    // The different acceptable pairs among words, in the order the words come.
    static QList<WordPair> pairsAmong(const QStringList &words);

    // UTF-8, one pair a line, the two words separated by a tab, sorted.
    QByteArray toBytes() const;
    // Nothing when the bytes are no such list (not UTF-8, a line that is no pair).
    static std::optional<QList<WordPair>> fromBytes(const QByteArray &bytes);

    // Through the checked save; error names the file and the cause.
    bool save(const QString &path, QString *error) const;
    // False with error set when the file cannot be read or is no such list; the set stays
    // as it was then. A missing file reads as no pairs.
    bool load(const QString &path, QString *error);

signals:
    void changed();

private:
    bool insert(const WordPair &pair);

    QHash<QString, QSet<QString>> m_partners;
    qsizetype m_size = 0;
};
