#include "editor/character_count.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

CharacterCount::CharacterCount(QTextEdit *edit, QWidget *parent) : QLabel(parent), m_edit(edit)
{
    setObjectName(QStringLiteral("characterCount"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pause.setSingleShot(true);
    m_pause.setInterval(150);
    connect(&m_pause, &QTimer::timeout, this, &CharacterCount::flush);
    connect(edit, &QTextEdit::selectionChanged, &m_pause, qOverload<>(&QTimer::start));
    followDocument();
}

void CharacterCount::followDocument()
{
    if (m_doc)
        disconnect(m_doc, nullptr, this, nullptr);
    m_doc = m_edit->document();
    m_tally.reset(m_doc->toRawText());
    connect(m_doc, &QTextDocument::contentsChange, this, &CharacterCount::onContentsChange);
    flush();
}

QString CharacterCount::caption(int count, int selected, bool hasSelection)
{
    if (!hasSelection)
        return QStringLiteral("字数：%1").arg(count);
    return QStringLiteral("字数：%1（选中 %2）").arg(count).arg(selected);
}

void CharacterCount::onContentsChange(int position, int charsRemoved, int charsAdded)
{
    const QTextDocument *doc = m_edit->document();
    const qsizetype newLength = doc->characterCount() - 1; // without the closing break
    const qsizetype oldLength = m_tally.length();
    // The document may report more than it changed (formatting, whole-content edits):
    // clamp as the history does, and read everything again when it still does not add up.
    const qsizetype pos = std::clamp<qsizetype>(position, 0, oldLength);
    const qsizetype removed = std::clamp<qsizetype>(charsRemoved, 0, oldLength - pos);
    const qsizetype added =
        std::clamp<qsizetype>(charsAdded, 0, std::max<qsizetype>(0, newLength - pos));
    bool applied = false;
    // A large insertion reads faster whole than character by character.
    if (oldLength - removed + added == newLength && added <= 4096) {
        QString inserted(added, Qt::Uninitialized);
        for (qsizetype i = 0; i < added; ++i)
            inserted[i] = doc->characterAt(int(pos + i));
        applied = m_tally.apply(int(pos), int(removed), inserted);
    }
    if (!applied)
        m_tally.reset(doc->toRawText());
    m_pause.start();
}

void CharacterCount::flush()
{
    m_pause.stop();
    const QTextCursor cursor = m_edit->textCursor();
    const bool hasSelection = cursor.hasSelection();
    const int selected = hasSelection ? CharacterTally::countIn(cursor.selectedText()) : 0;
    setText(caption(m_tally.count(), selected, hasSelection));
}
