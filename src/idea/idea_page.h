#pragma once

#include "columns/combination_export.h"
#include "storage/page_setup.h"

#include <QList>
#include <QWidget>

class CombinationControls;
class ExclusionSet;
class IdeaColumn;
class QRadioButton;
class SetupButton;
class SimpleCombo;

// The idea page ("思路提示"): six idea columns joined into hints such as
// 研究割草机:可否部件换位,能否引入扇的原理,…; four idea styles preset the connecting
// words; a manual composer, an automatic one and the result list Combo18.
class IdeaPage : public QWidget
{
    Q_OBJECT

public:
    explicit IdeaPage(QWidget *parent = nullptr);

    // One automatic step of Timer1; nothing unless this page's "开始" is selected.
    void autoStep();
    // Selects this page's "停止".
    void stopAutomatic();

    IdeaColumn *column(int index) const { return m_columns.at(index); }

    // The count, "不重复", "遍历" and the ruled-out pairs of this page.
    CombinationControls *combinations() const { return m_combinations; }
    ExclusionSet *exclusions() const;
    // The page as a setup file keeps it, and back: the style shown, not applied again.
    PageSetup setup() const;
    void applySetup(const PageSetup &setup);

signals:
    // "传送=>": the editor page appends the block.
    void transferRequested(const QString &headingLiteral, const QString &sentence);

private:
    QWidget *buildStyles();
    QWidget *buildComposer();
    QWidget *buildAutomatic();
    QWidget *buildResults();

    void applyStyle(int style);
    void columnSwitchedOff();
    void Command2_Click();
    void Command10_Click(int index);
    void Command6_Click();

    bool allListsFilled() const;
    // Draws a word for enabled columns 1 to 5 when random, then puts the hint on top.
    void compose(bool randomMode);
    // False when "不重复" finds every combination produced: compose nothing then.
    bool drawWords();
    void pushHint(bool randomMode);
    // The random-mode hint with the drawn columns holding the given words.
    CombinationExport::Sentence sentenceFor(const QList<int> &drawn) const;

    QList<IdeaColumn *> m_columns;
    QList<QRadioButton *> m_styles;
    QRadioButton *m_combine = nullptr; // Option15 "组词"
    QRadioButton *m_random = nullptr;  // Option16 "随机"
    QRadioButton *m_start = nullptr;   // Option12 "开始"
    QRadioButton *m_stop = nullptr;    // Option11 "停止"
    SimpleCombo *m_results = nullptr;  // Combo18
    CombinationControls *m_combinations = nullptr;
    SetupButton *m_setups = nullptr;
};
