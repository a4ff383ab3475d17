#pragma once

#include <QList>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

// The editor page's commands as actions: "Toolbar1" with its sixteen buttons, each named
// by its key, and the context menu "wenjian".
namespace EditorActions {

// Keys in display order.
const QList<const char *> &toolbarKeys();

// Toolbar1 with the sixteen actions (tool tips, icons, shortcuts); the actions are also
// added to owner so that their shortcuts work anywhere on the page. Bold, italic and
// underline are checkable, the alignments an exclusive group.
QToolBar *createToolbar(QWidget *owner);

// "wenjian" with cutp, copyp, pastep and deletep.
QMenu *createContextMenu(QWidget *owner);

} // namespace EditorActions
