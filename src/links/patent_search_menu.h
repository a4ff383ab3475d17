#pragma once

#include <QMenu>

// "在专利数据库中检索": one action per database; each opens the database's search for
// the sentence last given, in the user's browser. Without a sentence the submenu's own
// action (searchPatents) is disabled.
class PatentSearchMenu : public QMenu
{
    Q_OBJECT

public:
    explicit PatentSearchMenu(QWidget *parent);
    Q_DISABLE_COPY_MOVE(PatentSearchMenu)

    void setSentence(const QString &sentence);
    QString sentence() const { return m_sentence; }

private:
    void search(int databaseIndex);

    QString m_sentence;
};
