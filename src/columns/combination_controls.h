#pragma once

#include "columns/combination_count.h"
#include "columns/combination_export.h"
#include "columns/combination_walk.h"
#include "columns/no_repeat_draw.h"

#include <QList>
#include <QObject>

class CombinationExportCommand;
class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;
class SimpleCombo;

// A prompt page's view of its combination box: the label "共 N 种组合", the check box
// "不重复" and the mode option "遍历", with the memory and the walk behind them. The page
// places the three widgets and names the columns it draws; any change of a drawn column
// (entries, switch, which columns are drawn) starts the memory and the walk afresh.
class CombinationControls : public QObject
{
    Q_OBJECT

public:
    struct Names
    {
        QString label;
        QString noRepeat;
        QString walk;
    };

    CombinationControls(const Names &names, QWidget *parent);

    QLabel *label() const { return m_label; }
    QCheckBox *noRepeatBox() const { return m_noRepeat; }
    QRadioButton *walkOption() const { return m_walk; }

    // A column whose list the random compose draws from while its switch is on.
    void watchColumn(SimpleCombo *list, QAbstractButton *onSwitch);

    // Keeps room for this many lines of the label whatever it shows.
    void reserveLabelLines(int lines);

    bool isWalking() const;

    // How the page makes its sentence from the drawn words, for "导出全部组合…".
    void setSentences(CombinationExport::SentenceSource source) { m_sentences = std::move(source); }
    QAction *exportAction() const;
    CombinationExportCommand *exportCommand() const { return m_export; }

    enum class Draw
    {
        AsUsual,   // "不重复" is off (or the box is empty): the page draws as it always did
        Selected,  // an unproduced combination is selected in the drawn columns
        Exhausted, // every combination was produced: compose nothing
    };
    Draw drawWithoutRepeat();

signals:
    // Every combination was produced: the page's automatic mode stops.
    void exhausted();

public:
    // "遍历": selects the walk's next combination in the drawn columns; false when a drawn
    // list is empty.
    bool selectNextInWalk();

private:
    enum class Notice
    {
        Count,
        Walk,
        Exhausted,
    };

    void boxChanged();
    void listChanged(int column);
    QList<int> drawnColumns() const;
    QList<int> countsOf(const QList<int> &columns) const;
    void select(const QList<int> &positions);
    void showNotice(Notice notice);
    std::unique_ptr<CombinationExport> exportJob() const;

    QLabel *m_label = nullptr;
    QCheckBox *m_noRepeat = nullptr;
    QRadioButton *m_walk = nullptr;
    QList<SimpleCombo *> m_lists;
    QList<QAbstractButton *> m_switches;

    CombinationCount m_count;
    NoRepeatDraw m_memory;
    CombinationWalk m_walkOrder;
    Notice m_notice = Notice::Count;
    CombinationExport::SentenceSource m_sentences;
    CombinationExportCommand *m_export = nullptr;
};
