#include "results/result_list_menu.h"

#include "columns/simple_combo.h"
#include "links/patent_search_menu.h"
#include "results/result_export.h"

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
