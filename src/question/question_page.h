#pragma once

#include "columns/combination_export.h"
#include "storage/page_setup.h"

#include <QList>
#include <QWidget>

class CombinationControls;
class EnterKeyButton;
class ExclusionSet;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class QuestionColumn;
class SetupButton;
class SimpleCombo;

// The question page "问题提示": the question-word column and ten word columns, the
// example sentence patterns, manual and automatic question making, and the result
// list whose entries go to the editor.
class QuestionPage : public QWidget
{
    Q_OBJECT

public:
    explicit QuestionPage(QWidget *parent = nullptr);

    // One automatic step of Timer1; nothing unless this page's "开始" is selected.
    void autoStep();
    // Selects this page's "停止".
    void stopAutomatic();

    // "提问"
    void Command1tw_Click();
    // Sets the columns up for pattern 1 .. 8 (position 0 .. 7 of the pattern list).
    void choosePattern(int position);
    // ">" of column i: exchanges the contents of columns i and i + 1.
    void shiftColumns(int index);

    // The count, "不重复", "遍历" and the ruled-out pairs of this page.
    CombinationControls *combinations() const { return m_combinations; }
    ExclusionSet *exclusions() const;
    // The page as a setup file keeps it, and back: columns in order, question-word column first.
    PageSetup setup() const;
    void applySetup(const PageSetup &setup);

signals:
    // "传送=>": the editor appends the block built from these.
    void transferRequested(const QString &headingLiteral, const QString &sentence);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildColumns();
    QWidget *buildPatternArea();
    QLayout *buildPatternNotes();
    QWidget *buildManualFrame();
    QWidget *buildAutomaticFrame();
    QWidget *buildResultFrame();
    QLabel *wrappedLabel(const QString &name, const QString &text);
    QList<QuestionColumn *> allColumns() const;

    void followColumn7();
    bool listsHoldWords() const;
    // False when "不重复" finds every combination produced: compose nothing then.
    bool drawWords();
    void pushQuestion();
    // The question with the drawn columns' boxes holding the given words, the rest as they are.
    CombinationExport::Sentence sentenceFor(const QList<int> &drawn) const;
    void transfer();

    QuestionColumn *m_questionWord = nullptr;
    QList<QuestionColumn *> m_columns;
    SimpleCombo *m_patterns = nullptr;
    EnterKeyButton *m_ask = nullptr;
    QRadioButton *m_combine = nullptr;
    QRadioButton *m_random = nullptr;
    QRadioButton *m_start = nullptr;
    QRadioButton *m_stop = nullptr;
    SimpleCombo *m_results = nullptr;
    CombinationControls *m_combinations = nullptr;
    SetupButton *m_setups = nullptr;

    // A click on the pattern already shown repeats its set-up; see eventFilter.
    int m_patternRowBeforePress = -1;
    QString m_patternTextBeforePress;
};
