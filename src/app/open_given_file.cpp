#include "app/open_given_file.h"

#include "app/form1.h"
#include "app/open_in_editor.h"
#include "app/open_setup.h"

namespace OpenGivenFile {

bool atStart(Form1 &form, const QString &path)
{
    if (OpenSetup::isSetupFile(path))
        return OpenSetup::inWindow(form, path);
    return OpenInEditor::atStart(form, path);
}

void fromLaterStart(Form1 &form, const QString &path)
{
    if (!OpenSetup::isSetupFile(path)) {
        OpenInEditor::fromLaterStart(form, path);
        return;
    }
    OpenInEditor::fromLaterStart(form, QString()); // only to the front
    OpenSetup::inWindow(form, path);
}

} // namespace OpenGivenFile
