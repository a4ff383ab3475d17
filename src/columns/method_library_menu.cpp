#include "columns/method_library_menu.h"

#include "columns/method_library.h"
#include "columns/simple_combo.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

MethodLibraryMenu::MethodLibraryMenu(SimpleCombo *list) : QObject(list), m_list(list)
{
    setObjectName(QStringLiteral("methodLibraryMenu"));
    list->listWidget()->installEventFilter(this);
    list->listWidget()->viewport()->installEventFilter(this);
}

QMenu *MethodLibraryMenu::menu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(m_list);
    m_menu->setObjectName(QStringLiteral("wordListMenu"));
    QMenu *libraries = m_menu->addMenu(QStringLiteral("载入方法词库"));
    libraries->setObjectName(QStringLiteral("methodLibrariesMenu"));
    libraries->menuAction()->setObjectName(QStringLiteral("methodLibraries"));
    libraries->setToolTipsVisible(true);
    const QList<MethodLibrary> &all = MethodLibrary::all();
    for (int i = 0; i < all.size(); ++i) {
        QAction *action = libraries->addAction(
            QStringLiteral("%1（%2 个）").arg(all.at(i).title).arg(all.at(i).words.size()));
        action->setObjectName(QStringLiteral("methodLibrary(%1)").arg(i));
        action->setToolTip(all.at(i).source);
        connect(action, &QAction::triggered, this, [this, i] { choose(i); });
    }
    return m_menu;
}

bool MethodLibraryMenu::eventFilter(QObject *watched, QEvent *event)
{
    // The right button asks for the menu; it must not choose the word under it, which would
    // overwrite the column's input box.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        return true;
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    auto *request = static_cast<QContextMenuEvent *>(event);
    QListWidget *listWidget = m_list->listWidget();
    QPoint at = request->globalPos();
    // The Menu key has no mouse position: open under the current entry, or at the top.
    if (request->reason() == QContextMenuEvent::Keyboard) {
        const QListWidgetItem *item = listWidget->currentItem();
        const QPoint local = item ? listWidget->visualItemRect(item).bottomLeft() : QPoint();
        at = listWidget->viewport()->mapToGlobal(local);
    }
    menu()->popup(at);
    return true;
}

void MethodLibraryMenu::choose(int library)
{
    const QList<MethodLibrary> &all = MethodLibrary::all();
    if (library < 0 || library >= all.size() || !m_list->isEnabled())
        return;
    const MethodLibrary &chosen = all.at(library);
    QWidget *window = m_list->window();
    QMessageBox box(QMessageBox::Question, QStringLiteral("载入方法词库"),
                    QStringLiteral("把“%1”的 %2 个词载入本栏：替换本栏现有的 %3 个词，还是追加"
                                   "在后面？")
                        .arg(chosen.title)
                        .arg(chosen.words.size())
                        .arg(m_list->count()),
                    QMessageBox::NoButton, window);
    box.setObjectName(QStringLiteral("methodLibraryQuestion"));
    box.setInformativeText(QStringLiteral("来源：%1").arg(chosen.source));
    // One role for both, so that they stand in the order the question names them.
    QPushButton *replace = box.addButton(QStringLiteral("替换"), QMessageBox::AcceptRole);
    QPushButton *append = box.addButton(QStringLiteral("追加"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(append);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() != replace && box.clickedButton() != append)
        return;
    const int placed =
        fill(m_list, chosen.words, box.clickedButton() == replace ? Fill::Replace : Fill::Append);
    if (placed < chosen.words.size())
        QMessageBox::information(window, QStringLiteral("载入方法词库"),
                                 QStringLiteral("本栏最多 %1 个词，已满：只载入了 %2 个。")
                                     .arg(SimpleCombo::MaxCount)
                                     .arg(placed));
}

int MethodLibraryMenu::fill(SimpleCombo *list, const QStringList &words, Fill how)
{
    if (how == Fill::Replace)
        return list->replaceItems(words);
    const int before = list->count();
    list->addItems(words);
    return list->count() - before;
}
