#pragma once

#include "columns/combination_count.h"
#include "columns/combination_export.h"
#include "columns/combination_walk.h"
#include "columns/exclusion_window.h"
#include "columns/no_repeat_draw.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>

class ConsistentBox;
class ExclusionSet;
class CombinationExportCommand;
class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class SimpleCombo;

// A prompt page's view of its combination box: the label "共 N 种组合", the check box
// "不重复", the mode option "遍历" and the button "排除…", with the memory, the walk and
// the page's ruled-out pairs behind them. The page places the widgets and names the columns
// it draws; any change of a drawn column (entries, switch, which columns are drawn), of the
// pairs, or of a fixed text that takes part in a pair starts the memory and the walk afresh.
class CombinationControls : public QObject
{
    Q_OBJECT

public:
    struct Names
    {
        QString label;
        QString noRepeat;
        QString walk;
        QString exclusions;
    };

    CombinationControls(const Names &names, QWidget *parent);

    QLabel *label() const { return m_label; }
    QCheckBox *noRepeatBox() const { return m_noRepeat; }
    QRadioButton *walkOption() const { return m_walk; }
    QPushButton *exclusionButton() const { return m_exclusionButton; }

    // A column whose list the random compose draws from while its switch is on; input is
    // what the sentence shows of it (the list's own edit line when none), and stands fixed
    // in every sentence while the switch is off.
    void watchColumn(SimpleCombo *list, QAbstractButton *onSwitch, QLineEdit *input = nullptr);
    // A text that stands in every sentence and is never drawn.
    void watchFixedText(QLineEdit *text);
    // The columns the exclusion window offers (the page's every column, drawn or not).
    void setExclusionColumns(const QList<ExclusionWindow::Column> &columns);

    // Keeps room for this many lines of the label whatever it shows.
    void reserveLabelLines(int lines);

    bool isWalking() const;

    // The page's ruled-out pairs.
    ExclusionSet *exclusions() const { return m_exclusions; }
    // The drawn columns (indices in the order watched) and the box they make now with the
    // pairs and fixed texts; stream its consistent combinations with ConsistentBox::Cursor.
    QList<int> drawnColumns() const;
    std::shared_ptr<const ConsistentBox> box() const { return m_box; }
    // The words the drawn columns show, in column order: what a compose took.
    QStringList drawnWords() const;
    // The words at one position per drawn column (a box's combination), selecting nothing.
    QStringList wordsAt(const QList<int> &positions) const;
    // How the page makes its sentence from the drawn words, for "导出全部组合…".
    void setSentences(CombinationExport::SentenceSource source) { m_sentences = std::move(source); }
    QAction *exportAction() const;
    CombinationExportCommand *exportCommand() const { return m_export; }

    enum class Draw
    {
        AsUsual,   // neither "不重复" nor a pair restricts (or a list is empty): the page
                   // draws as it always did
        Selected,  // a combination is selected in the drawn columns
        Exhausted, // none is left (all produced, or all hold a ruled-out pair): compose nothing
    };
    Draw draw();

    // "遍历": selects the walk's next combination in the drawn columns; false when a drawn
    // list is empty or no combination is left.
    bool selectNextInWalk();

    // "排除…"
    void openExclusionWindow();
    ExclusionWindow *exclusionWindow() const { return m_window; }

signals:
    // No combination is left to produce: the page's automatic mode stops.
    void exhausted();

private:
    enum class Notice
    {
        Count,
        Walk,
        Exhausted,
        NoneLeft,
    };

    void boxChanged();
    void listChanged(int column);
    void fixedTextChanged();
    QStringList fixedWordsInForce() const;
    QList<int> countsOf(const QList<int> &columns) const;
    void select(const QList<int> &positions);
    Draw drawAroundEmptyLists();
    QString consistentText() const;
    QString excludedText() const;
    void showNotice(Notice notice);
    std::unique_ptr<CombinationExport> exportJob() const;

    QLabel *m_label = nullptr;
    QCheckBox *m_noRepeat = nullptr;
    QRadioButton *m_walk = nullptr;
    QPushButton *m_exclusionButton = nullptr;
    QList<SimpleCombo *> m_lists;
    QList<QAbstractButton *> m_switches;
    QList<QLineEdit *> m_inputs;
    QList<QLineEdit *> m_fixedTexts;
    QList<ExclusionWindow::Column> m_windowColumns;
    ExclusionSet *m_exclusions = nullptr;
    ExclusionWindow *m_window = nullptr;

    CombinationCount m_count;
    std::shared_ptr<const ConsistentBox> m_box;
    QStringList m_fixedInForce;
    NoRepeatDraw m_memory;
    CombinationWalk m_walkOrder;
    Notice m_notice = Notice::Count;
    CombinationExport::SentenceSource m_sentences;
    CombinationExportCommand *m_export = nullptr;
};
