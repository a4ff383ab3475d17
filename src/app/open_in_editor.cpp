#include "app/open_in_editor.h"

#include "app/form1.h"
#include "editor/editor_page.h"

#include <QTabWidget>

namespace OpenInEditor {

bool atStart(Form1 &form, const QString &path)
{
    EditorPage *editor = form.editorPage();
    // What the editor holds unsaved (a restored recovery copy, say) is asked about first.
    if (!editor->confirmClose() || !editor->openFrom(path))
        return false;
    if (auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1")))
        tabs->setCurrentWidget(editor);
    return true;
}

void fromLaterStart(Form1 &form, const QString &path)
{
    if (form.isMinimized())
        form.showNormal();
    form.raise();
    form.activateWindow();
    if (!path.isEmpty())
        atStart(form, path);
}

} // namespace OpenInEditor
