#include "results/result_list_menu.h"

#include "columns/exclusion_set.h"
#include "columns/simple_combo.h"
#include "links/patent_search_menu.h"
#include "results/pair_choice_dialog.h"
#include "results/result_export.h"
#include "results/result_list.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>

ResultListMenu *ResultListMenu::attach(SimpleCombo *list)
{
    return new ResultListMenu(list);
}

ResultListMenu::ResultListMenu(SimpleCombo *list) : QObject(list), m_list(list)
{
    setObjectName(QStringLiteral("resultListMenu"));
    m_menu = new QMenu(list);
    m_menu->setObjectName(QStringLiteral("resultMenu"));
    m_export = m_menu->addAction(QStringLiteral("导出全部…"));
    m_export->setObjectName(QStringLiteral("exportResults"));
    connect(m_export, &QAction::triggered, this, &ResultListMenu::exportAll);
    m_patents = new PatentSearchMenu(list);
    m_menu->addMenu(m_patents);

    list->listWidget()->installEventFilter(this);
    list->listWidget()->viewport()->installEventFilter(this);
    list->lineEdit()->installEventFilter(this);
}

bool ResultListMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    auto *request = static_cast<QContextMenuEvent *>(event);
    const bool fromKeyboard = request->reason() == QContextMenuEvent::Keyboard;
    QListWidget *listWidget = m_list->listWidget();
    if (watched == m_list->lineEdit()) {
        showForEdit(request->globalPos());
    } else if (watched == listWidget->viewport()) {
        showForList(request->pos(), fromKeyboard);
    } else {
        // The Menu key reaches the list itself, in the list's own coordinates.
        showForList(listWidget->viewport()->mapFrom(listWidget, request->pos()), fromKeyboard);
    }
    return true;
}

void ResultListMenu::showForList(const QPoint &viewportPos, bool fromKeyboard)
{
    QListWidget *listWidget = m_list->listWidget();
    QListWidgetItem *item =
        fromKeyboard ? listWidget->currentItem() : listWidget->itemAt(viewportPos);
    QPoint at = viewportPos;
    if (fromKeyboard && item)
        at = listWidget->visualItemRect(item).bottomLeft();
    m_patents->setSentence(item ? item->text() : QString());
    m_export->setEnabled(m_list->count() > 0);
    aimExclusions(ResultList::wordsOf(item));
    m_menu->popup(listWidget->viewport()->mapToGlobal(at));
}

void ResultListMenu::showForEdit(const QPoint &globalPos)
{
    QLineEdit *edit = m_list->lineEdit();
    // The edit line keeps its own clipboard commands above the list's.
    QMenu *menu = edit->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("resultEditMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(m_export);
    menu->addMenu(m_patents);
    m_patents->setSentence(edit->text());
    m_export->setEnabled(m_list->count() > 0);
    if (m_excludePairs) {
        // The edit line shows the newest result until the user changes it.
        QStringList words;
        for (int row = 0; row < m_list->count() && words.isEmpty(); ++row) {
            const QListWidgetItem *item = m_list->listWidget()->item(row);
            if (item->text() == edit->text())
                words = ResultList::wordsOf(item);
        }
        aimExclusions(words);
        menu->addAction(m_excludePairs);
    }
    menu->popup(globalPos);
}

void ResultListMenu::exportAll()
{
    QWidget *window = m_list->window();
    const QString path = m_chooser(window);
    if (path.isEmpty())
        return;
    QString error;
    if (!ResultExport::exportTo(path, m_list->items(), &error))
        QMessageBox::warning(window, QStringLiteral("导出全部"), error);
}

void ResultListMenu::offerExclusions(ExclusionSet *set)
{
    m_exclusions = set;
    if (m_excludePairs)
        return;
    m_excludePairs = m_menu->addAction(QStringLiteral("排除词对…"));
    m_excludePairs->setObjectName(QStringLiteral("excludePairs"));
    m_excludePairs->setToolTip(QStringLiteral("这条结果里不合理的词对，以后不再同时出现"));
    connect(m_excludePairs, &QAction::triggered, this, [this] { excludePairsOf(m_targetWords); });
}

void ResultListMenu::aimExclusions(const QStringList &words)
{
    if (!m_excludePairs)
        return;
    m_targetWords = words;
    m_excludePairs->setEnabled(!ExclusionSet::pairsAmong(words).isEmpty());
}

void ResultListMenu::excludePairsOf(const QStringList &words)
{
    if (!m_exclusions || ExclusionSet::pairsAmong(words).isEmpty())
        return;
    PairChoiceDialog dialog(words, *m_exclusions, m_list->window());
    if (dialog.exec() == QDialog::Accepted)
        m_exclusions->addPairs(dialog.ticked());
}

QString ResultListMenu::chooseFile(QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral("导出全部"));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("文本文件 (*.txt)"), QStringLiteral("所有文件 (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
