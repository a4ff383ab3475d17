#include "links/patent_search_menu.h"

#include "links/open_link.h"
#include "links/patent_search.h"

PatentSearchMenu::PatentSearchMenu(QWidget *parent)
    : QMenu(QStringLiteral("在专利数据库中检索"), parent)
{
    setObjectName(QStringLiteral("patentSearchMenu"));
    menuAction()->setObjectName(QStringLiteral("searchPatents"));
    const QList<PatentSearch::Database> &databases = PatentSearch::databases();
    for (int i = 0; i < databases.size(); ++i) {
        QAction *action = addAction(databases.at(i).caption);
        action->setObjectName(databases.at(i).key);
        connect(action, &QAction::triggered, this, [this, i] { search(i); });
    }
    setSentence(QString());
}

void PatentSearchMenu::setSentence(const QString &sentence)
{
    m_sentence = sentence;
    menuAction()->setEnabled(!PatentSearch::queryFrom(sentence).isEmpty());
}

void PatentSearchMenu::search(int databaseIndex)
{
    const QUrl url =
        PatentSearch::searchUrl(PatentSearch::databases().at(databaseIndex), m_sentence);
    if (!url.isEmpty())
        OpenUrlInBrowser(parentWidget(), url);
}
