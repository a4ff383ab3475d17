#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class SimpleCombo;

// The context menu of a column's word list (right button or the Menu key): "载入方法词库"
// (methodLibraries), a submenu of the shipped method lists. Choosing one asks 替换 / 追加 /
// 取消 and fills the list the way a word library fills it, so a sorted list sorts them.
class MethodLibraryMenu : public QObject
{
    Q_OBJECT

public:
    enum class Fill
    {
        Replace,
        Append
    };

    // Gives list its menu; the menu lives as long as the list.
    explicit MethodLibraryMenu(SimpleCombo *list);
    Q_DISABLE_COPY_MOVE(MethodLibraryMenu)

    // Built when first wanted: start-up makes one per column and shows none.
    QMenu *menu();

    // Asks how, then fills; nothing on a list that is not available.
    void choose(int library);
    // Returns how many words found room under the list's cap.
    static int fill(SimpleCombo *list, const QStringList &words, Fill how);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SimpleCombo *m_list = nullptr;
    QMenu *m_menu = nullptr;
};
