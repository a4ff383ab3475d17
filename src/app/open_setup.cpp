#include "app/open_setup.h"

#include "app/form1.h"
#include "columns/setup_button.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "storage/page_setup_file.h"
#include "title/title_page.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTabWidget>

namespace OpenSetup {

bool isSetupFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String(PageSetupFile::suffix()),
                                            Qt::CaseInsensitive) == 0;
}

bool inWindow(Form1 &form, const QString &path)
{
    PageSetup setup;
    QString error;
    if (!PageSetupFile::read(path, &setup, &error)) {
        QMessageBox::warning(&form, QStringLiteral("打开方案"), error);
        return false;
    }
    QWidget *page = nullptr;
    QString button;
    switch (setup.page) {
    case PageSetup::Page::Question:
        page = form.questionPage();
        button = QStringLiteral("questionSetups");
        break;
    case PageSetup::Page::Idea:
        page = form.ideaPage();
        button = QStringLiteral("ideaSetups");
        break;
    case PageSetup::Page::Title:
        page = form.titlePage();
        button = QStringLiteral("titleSetups");
        break;
    }
    auto *setups = page ? page->findChild<SetupButton *>(button) : nullptr;
    if (!setups)
        return false;
    if (auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1")))
        tabs->setCurrentWidget(page);
    setups->applyRead(setup, path);
    return true;
}

} // namespace OpenSetup
