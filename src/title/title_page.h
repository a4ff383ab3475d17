#pragma once

#include "columns/combination_export.h"
#include "storage/page_setup.h"

#include <QList>
#include <QWidget>

class CombinationControls;
class ExclusionSet;
class QRadioButton;
class SetupButton;
class SimpleCombo;
class TitleColumn;

// The title page: seven title columns, the manual generator (Frame7), the automatic
// generator (Frame8), the result list Combo7 (Frame9), the lament button and the
// support links. The controls hold the state.
class TitlePage : public QWidget
{
    Q_OBJECT

public:
    explicit TitlePage(QWidget *parent = nullptr);

    // One automatic step of Timer1; nothing unless this page's "开始" is selected.
    void autoStep();
    // Selects this page's "停止".
    void stopAutomatic();

    // The count, "不重复", "遍历" and the ruled-out pairs of this page.
    CombinationControls *combinations() const { return m_combinations; }
    ExclusionSet *exclusions() const;
    // The page as a setup file keeps it, and back; a column's input is its list's edit line.
    PageSetup setup() const;
    void applySetup(const PageSetup &setup);

signals:
    // "传送=>": the editor appends the block; this page only hands over the texts.
    void transferRequested(const QString &headingLiteral, const QString &sentence);

private:
    QWidget *buildGenerator();
    QWidget *buildAutomatic();
    QWidget *buildResults();

    void Commandsc0_Click();
    void shiftColumns(int left);
    // False when "不重复" finds every combination produced: compose nothing then.
    bool drawWords();
    void insertTitle();
    // The title with the drawn columns holding the given words.
    CombinationExport::Sentence sentenceFor(const QList<int> &drawn) const;

    QList<TitleColumn *> m_columns;
    SimpleCombo *m_results = nullptr;
    QRadioButton *m_random = nullptr;
    QRadioButton *m_combine = nullptr;
    QRadioButton *m_start = nullptr;
    QRadioButton *m_stop = nullptr;
    CombinationControls *m_combinations = nullptr;
    SetupButton *m_setups = nullptr;
};
