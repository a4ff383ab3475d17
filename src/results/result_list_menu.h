#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>

class ExclusionSet;
class PatentSearchMenu;
class QAction;
class QMenu;
class SimpleCombo;

// The context menu of a page's result list, on the list and on its edit line (right
// button or the Menu key): "导出全部…" (exportResults) and the patent search submenu
// (searchPatents) for the entry under the mouse, or the edit line's text; on a page that
// rules out word pairs, "排除词对…" (excludePairs) for the words that entry was made of.
class ResultListMenu : public QObject
{
    Q_OBJECT

public:
    // Asks for the export file's name; an empty name cancels.
    using FileChooser = std::function<QString(QWidget *parent)>;

    // Gives list its menu; the menu lives as long as the list.
    static ResultListMenu *attach(SimpleCombo *list);

    explicit ResultListMenu(SimpleCombo *list);
    Q_DISABLE_COPY_MOVE(ResultListMenu)

    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    QMenu *menu() const { return m_menu; }

    // "导出全部…": every entry in the order shown; a message when the file can't be written.
    void exportAll();

    // Offers "排除词对…", ruling pairs out in set.
    void offerExclusions(ExclusionSet *set);
    // "排除词对…": asks which pairs of words to rule out.
    void excludePairsOf(const QStringList &words);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showForList(const QPoint &viewportPos, bool fromKeyboard);
    void showForEdit(const QPoint &globalPos);
    static QString chooseFile(QWidget *parent);
    void aimExclusions(const QStringList &words);

    SimpleCombo *m_list = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_export = nullptr;
    PatentSearchMenu *m_patents = nullptr;
    QAction *m_excludePairs = nullptr;
    ExclusionSet *m_exclusions = nullptr;
    QStringList m_targetWords;
    FileChooser m_chooser = &ResultListMenu::chooseFile;
};
