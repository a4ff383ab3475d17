#pragma once

#include <QObject>
#include <functional>

class CharacterCount;
class EditorZoom;
class FindBar;
class PatentSearchMenu;
class QMenu;
class QTextEdit;
class QWidget;
class RecentFiles;

//  EditorTools ─┬─ panel: FindBar (Ctrl+F, Ctrl+H, F3) over CharacterCount
//               ├─ context menu additions: PatentSearchMenu, RecentFiles
//               └─ EditorZoom (Ctrl+=, Ctrl+-, Ctrl+0, Ctrl+wheel)
// What the editor page has beyond its toolbar, wired to the page in a few lines.
class EditorTools : public QObject
{
    Q_OBJECT

public:
    // opener opens a file as the page's "open" does (message included); false on failure.
    EditorTools(QWidget *page, QTextEdit *edit, QMenu *contextMenu,
                std::function<bool(const QString &)> opener);
    Q_DISABLE_COPY_MOVE(EditorTools)

    // The find bar over the character count, to go under the editor.
    QWidget *panel() const { return m_panel; }
    FindBar *findBar() const { return m_findBar; }
    CharacterCount *characterCount() const { return m_count; }
    RecentFiles *recentFiles() const { return m_recent; }
    EditorZoom *zoom() const { return m_zoom; }

private:
    void addFindActions(QWidget *page);
    void findAgain(bool backward);
    void openRecent(const QString &path);

    QTextEdit *m_edit = nullptr;
    QWidget *m_panel = nullptr;
    FindBar *m_findBar = nullptr;
    CharacterCount *m_count = nullptr;
    PatentSearchMenu *m_patents = nullptr;
    RecentFiles *m_recent = nullptr;
    EditorZoom *m_zoom = nullptr;
    std::function<bool(const QString &)> m_opener;
};
