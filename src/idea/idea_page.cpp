#include "idea/idea_page.h"

IdeaPage::IdeaPage(QWidget *parent) : QWidget(parent) {}

void IdeaPage::autoStep() {}

void IdeaPage::stopAutomatic() {}
