#include "columns/exclusion_grid_model.h"

#include "columns/exclusion_set.h"

#include <QBrush>
#include <QColor>

ExclusionGridModel::ExclusionGridModel(ExclusionSet *set, QObject *parent)
    : QAbstractTableModel(parent), m_set(set)
{
    connect(m_set, &ExclusionSet::changed, this, [this] {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

void ExclusionGridModel::setWords(const QStringList &rowWords, const QStringList &columnWords)
{
    beginResetModel();
    m_rowWords = rowWords;
    m_columnWords = columnWords;
    endResetModel();
}

bool ExclusionGridModel::isPair(const QModelIndex &index) const
{
    return index.isValid() && ExclusionSet::acceptable(m_rowWords.value(index.row()),
                                                       m_columnWords.value(index.column()));
}

bool ExclusionGridModel::isRuledOut(const QModelIndex &index) const
{
    return isPair(index) &&
           m_set->contains(m_rowWords.at(index.row()), m_columnWords.at(index.column()));
}

bool ExclusionGridModel::toggle(const QModelIndex &index)
{
    if (!isPair(index))
        return false;
    const QString &a = m_rowWords.at(index.row());
    const QString &b = m_columnWords.at(index.column());
    return m_set->contains(a, b) ? m_set->remove(a, b) : m_set->add(a, b);
}

int ExclusionGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rowWords.size());
}

int ExclusionGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columnWords.size());
}

QVariant ExclusionGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return isRuledOut(index) ? QStringLiteral("×") : QString();
    case Qt::BackgroundRole:
        if (isRuledOut(index))
            return QBrush(QColor(0xf4, 0xc7, 0xc3));
        return {};
    case Qt::ForegroundRole:
        if (isRuledOut(index))
            return QBrush(QColor(0x8b, 0x1a, 0x10));
        return {};
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        const QString pair =
            m_rowWords.at(index.row()) + QStringLiteral(" ＋ ") + m_columnWords.at(index.column());
        if (!isPair(index))
            return pair;
        return pair + (isRuledOut(index) ? QStringLiteral("：已排除") : QStringLiteral("：未排除"));
    }
    default:
        return {};
    }
}

QVariant ExclusionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const QStringList &words = orientation == Qt::Horizontal ? m_columnWords : m_rowWords;
    return words.value(section);
}

Qt::ItemFlags ExclusionGridModel::flags(const QModelIndex &index) const
{
    // A word beside itself can be chosen but not ruled out.
    return isPair(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsSelectable;
}
