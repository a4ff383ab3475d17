#include "question/question_page.h"

QuestionPage::QuestionPage(QWidget *parent) : QWidget(parent) {}

void QuestionPage::autoStep() {}

void QuestionPage::stopAutomatic() {}
