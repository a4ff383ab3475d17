#include "editor/editor_page.h"

EditorPage::EditorPage(QWidget *parent) : QWidget(parent) {}

bool EditorPage::confirmClose()
{
    return true;
}
