#include "editor/editor_tools.h"

#include "editor/character_count.h"
#include "editor/editor_zoom.h"
#include "editor/find_bar.h"
#include "editor/recent_files.h"
#include "links/patent_search_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTextEdit>
#include <QVBoxLayout>

EditorTools::EditorTools(QWidget *page, QTextEdit *edit, QMenu *contextMenu,
                         std::function<bool(const QString &)> opener)
    : QObject(page), m_edit(edit), m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("editorTools"));
    m_panel = new QWidget(page);
    m_findBar = new FindBar(edit, m_panel);
    m_count = new CharacterCount(edit, m_panel);
    auto *layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_findBar);
    layout->addWidget(m_count);

    m_patents = new PatentSearchMenu(page);
    m_recent = new RecentFiles(page);
    contextMenu->addSeparator();
    contextMenu->addMenu(m_patents);
    contextMenu->addMenu(m_recent);
    // The selection decides the search each time the menu opens.
    connect(contextMenu, &QMenu::aboutToShow, this,
            [this] { m_patents->setSentence(m_edit->textCursor().selectedText()); });
    connect(m_recent, &RecentFiles::openRequested, this, &EditorTools::openRecent);

    m_zoom = new EditorZoom(edit);
    m_zoom->addActionsTo(page);
    addFindActions(page);
}

void EditorTools::addFindActions(QWidget *page)
{
    const auto add = [this, page](const char *name, const QString &text, const QKeySequence &key,
                                  const std::function<void()> &run) {
        auto *action = new QAction(text, page);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, run);
        page->addAction(action);
    };
    add("showFind", QStringLiteral("查找"), QKeySequence(Qt::CTRL | Qt::Key_F),
        [this] { m_findBar->showFind(); });
    add("showReplace", QStringLiteral("替换"), QKeySequence(Qt::CTRL | Qt::Key_H),
        [this] { m_findBar->showReplace(); });
    add("findAgain", QStringLiteral("查找下一个"), QKeySequence(Qt::Key_F3),
        [this] { findAgain(false); });
    add("findAgainBackward", QStringLiteral("查找上一个"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
        [this] { findAgain(true); });
}

void EditorTools::findAgain(bool backward)
{
    // Without anything to look for, F3 asks for it, as Ctrl+F does.
    if (m_findBar->findText().isEmpty()) {
        m_findBar->showFind();
        return;
    }
    // The bar shows the note ("找不到", going round), the focus stays where it is.
    m_findBar->setVisible(true);
    if (backward)
        m_findBar->findPrevious();
    else
        m_findBar->findNext();
}

void EditorTools::openRecent(const QString &path)
{
    if (!m_opener(path) && !QFileInfo::exists(path))
        m_recent->remove(path);
}
