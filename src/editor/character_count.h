#pragma once

#include "editor/character_tally.h"

#include <QLabel>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>

class QTextEdit;

// characterCount: "字数：N" under the editor, "字数：N（选中 M）" with a selection; N and M
// count characters other than white space. The tally follows each change at once at the
// cost of the change; the label and the selection's count follow after a short pause, so
// typing in a large document stays quick.
class CharacterCount : public QLabel
{
    Q_OBJECT

public:
    explicit CharacterCount(QTextEdit *edit, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CharacterCount)

    static QString caption(int count, int selected, bool hasSelection);

    // Brings the label up to date now.
    void flush();
    // Counts the document the editor shows now ("open" swaps in a new one).
    void followDocument();
    int count() const { return m_tally.count(); }

private:
    void onContentsChange(int position, int charsRemoved, int charsAdded);

    QTextEdit *m_edit = nullptr;
    QPointer<QTextDocument> m_doc;
    CharacterTally m_tally;
    QTimer m_pause;
};
