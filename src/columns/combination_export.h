#pragma once

#include "columns/combination_count.h"
#include "columns/combination_walk.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class ConsistentBox;
class StreamingSave;

// Every combination of a box written to a text file, one sentence a line (UTF-8, LF), in
// the walk's order, streamed in pieces so that memory stays flat whatever the count. With
// ruled-out pairs, only the combinations that hold none.
// The page makes each sentence from the drawn words, with its own fixed and connecting words.
class CombinationExport
{
public:
    // words: one per drawn column, in column order.
    using Sentence = std::function<QString(const QStringList &words)>;
    // What a page gives for its drawn columns (positions among the watched ones).
    using SentenceSource = std::function<Sentence(const QList<int> &drawnColumns)>;

    // box: the columns' ruled-out pairs (none: every combination).
    CombinationExport(const QList<QStringList> &columns, Sentence sentence,
                      std::shared_ptr<const ConsistentBox> box = nullptr);
    ~CombinationExport();
    Q_DISABLE_COPY_MOVE(CombinationExport)

    CombinationCount count() const { return m_count; }
    // The number of lines, approximate beyond what the count holds exactly.
    long double lineCount() const;
    // The file's size; exact when the page joins words without changing them, as all do,
    // and nothing is ruled out (then each word is taken to stand in its share of the lines).
    long double estimatedBytes() const;

    // Each false return carries error, naming the file, and leaves the old file as it was.
    bool open(const QString &path, QString *error);
    bool writeNext(int lines, QString *error);
    bool commit(QString *error);
    void cancel();
    bool atEnd() const { return m_atEnd; }
    quint64 written() const { return m_written; }

    // open, every line, commit.
    bool writeAll(const QString &path, QString *error);

private:
    bool flushBuffer(QString *error);
    bool failed(const QString &reason, QString *error);

    QList<QStringList> m_columns;
    Sentence m_sentence;
    CombinationCount m_count;
    long double m_share = 1; // of the whole box's lines that hold no ruled-out pair
    CombinationWalk m_walk;
    QStringList m_words;
    QByteArray m_buffer;
    std::unique_ptr<StreamingSave> m_file;
    quint64 m_written = 0;
    bool m_atEnd = false;
};
