#include "title/title_page.h"

TitlePage::TitlePage(QWidget *parent) : QWidget(parent) {}

void TitlePage::autoStep() {}

void TitlePage::stopAutomatic() {}
