#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class ExclusionSet;

// The words of two columns crossed: a cell per pair, marked while the pair is ruled out.
// Cells are computed as the view asks, so two lists of 2,000 words cost no more than two.
class ExclusionGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ExclusionGridModel(ExclusionSet *set, QObject *parent);

    void setWords(const QStringList &rowWords, const QStringList &columnWords);
    QString rowWord(int row) const { return m_rowWords.value(row); }
    QString columnWord(int column) const { return m_columnWords.value(column); }

    // Rules the cell's pair out, or back in; false for a cell that is no pair (a word
    // beside itself, an empty word).
    bool toggle(const QModelIndex &index);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool isPair(const QModelIndex &index) const;
    bool isRuledOut(const QModelIndex &index) const;

    ExclusionSet *m_set;
    QStringList m_rowWords;
    QStringList m_columnWords;
};
