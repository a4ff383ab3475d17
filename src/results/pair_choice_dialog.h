#pragma once

#include "columns/exclusion_set.h"

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

// "排除词对…": the pairs of one result's words, each with a check box; the ticked ones are
// to be ruled out. Pairs already ruled out show ticked and fixed.
class PairChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    // The pairs among words, each shown in the order its words stand in them.
    PairChoiceDialog(const QStringList &words, const ExclusionSet &set, QWidget *parent);

    QList<WordPair> ticked() const;

private:
    QList<WordPair> m_pairs;
    QListWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
};
