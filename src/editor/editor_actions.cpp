#include "editor/editor_actions.h"

#include "editor/toolbar_icons.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

namespace EditorActions {

namespace {

struct ToolbarButton
{
    const char *key;
    const char16_t *tip;
    const char *themeIcon;
    QList<QKeySequence> shortcuts;
};

const QList<ToolbarButton> &buttons()
{
    static const QList<ToolbarButton> table = {
        {"new", u"新建", "document-new", {QKeySequence::New}},
        {"open", u"打开", "document-open", {QKeySequence::Open}},
        {"save", u"保存", "document-save", {QKeySequence::Save}},
        {"print", u"打印", "document-print", {QKeySequence::Print}},
        {"cut", u"剪切", "edit-cut", {QKeySequence(Qt::CTRL | Qt::Key_X)}},
        {"copy", u"复制", "edit-copy", {QKeySequence(Qt::CTRL | Qt::Key_C)}},
        {"paste", u"粘贴", "edit-paste", {QKeySequence(Qt::CTRL | Qt::Key_V)}},
        {"delete", u"删除", "edit-delete", {QKeySequence(Qt::Key_Delete)}},
        {"cmdundo", u"撤消", "edit-undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"huifu",
         u"恢复",
         "edit-redo",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {"cuti", u"粗体", "format-text-bold", {QKeySequence(Qt::CTRL | Qt::Key_B)}},
        {"xieti", u"斜体", "format-text-italic", {QKeySequence(Qt::CTRL | Qt::Key_I)}},
        {"xhx", u"下划线", "format-text-underline", {QKeySequence(Qt::CTRL | Qt::Key_U)}},
        {"zdq", u"左对齐", "format-justify-left", {}},
        {"zhong", u"中间对齐", "format-justify-center", {}},
        {"ydq", u"右对齐", "format-justify-right", {}},
    };
    return table;
}

} // namespace

const QList<const char *> &toolbarKeys()
{
    static const QList<const char *> keys = [] {
        QList<const char *> list;
        for (const ToolbarButton &button : buttons())
            list.append(button.key);
        return list;
    }();
    return keys;
}

QToolBar *createToolbar(QWidget *owner)
{
    auto *toolbar = new QToolBar(owner);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    auto *alignments = new QActionGroup(toolbar);
    // Justified paragraphs (from other programs' files) check none of the three.
    alignments->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto *icons = new ToolbarIcons(toolbar);

    for (const ToolbarButton &button : buttons()) {
        const QString key = QLatin1String(button.key);
        const QString tip = QString::fromUtf16(button.tip);
        auto *action = new QAction(tip, toolbar);
        action->setObjectName(key);
        icons->add(action, key, QLatin1String(button.themeIcon));
        action->setToolTip(tip);
        action->setShortcuts(button.shortcuts);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (key == u"cuti" || key == u"xieti" || key == u"xhx")
            action->setCheckable(true);
        if (key == u"zdq" || key == u"zhong" || key == u"ydq") {
            action->setCheckable(true);
            alignments->addAction(action);
        }
        toolbar->addAction(action);
        owner->addAction(action);
        if (key == u"print" || key == u"delete" || key == u"huifu" || key == u"xhx")
            toolbar->addSeparator();
    }
    return toolbar;
}

QMenu *createContextMenu(QWidget *owner)
{
    auto *menu = new QMenu(QStringLiteral("文件"), owner);
    menu->setObjectName(QStringLiteral("wenjian"));
    const QList<std::pair<const char *, const char16_t *>> items = {
        {"cutp", u"剪切(&t)"},
        {"copyp", u"复制(&c)"},
        {"pastep", u"粘贴(&p)"},
        {"deletep", u"删除(&d)"},
    };
    for (const auto &[name, caption] : items) {
        QAction *action = menu->addAction(QString::fromUtf16(caption));
        action->setObjectName(QLatin1String(name));
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("插入图片…"))->setObjectName(QStringLiteral("insertImage"));
    return menu;
}

} // namespace EditorActions
