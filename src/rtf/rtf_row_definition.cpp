#include "rtf/rtf_row_definition.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_tokenizer.h"

#include <QtGlobal>

namespace {

// A cell is at most 22 inches wide, the widest page Word offers; the row's edges lie at
// most that far apart for each of its cells.
constexpr int kMaxCellTwips = 31680;
constexpr int kMaxTwips = kMaxCellTwips * (RtfRowDefinition::kMaxCells + 1);

} // namespace

bool RtfRowDefinition::apply(RtfWord word, const RtfToken &token)
{
    const int value = token.hasParam ? qBound(-kMaxTwips, token.param, kMaxTwips) : 0;
    switch (word) {
    case RtfWord::Trowd:
        m_cells.clear();
        m_left = 0;
        m_pendingMerge = 0;
        return true;
    case RtfWord::TrLeft:
        m_left = value;
        return true;
    case RtfWord::ClMgf:
        m_pendingMerge = (m_pendingMerge & ~MergeNext) | MergeFirst;
        return true;
    case RtfWord::ClMrg:
        m_pendingMerge = (m_pendingMerge & ~MergeFirst) | MergeNext;
        return true;
    case RtfWord::ClVmgf:
        m_pendingMerge = (m_pendingMerge & ~MergeBelow) | MergeTop;
        return true;
    case RtfWord::ClVmrg:
        m_pendingMerge = (m_pendingMerge & ~MergeTop) | MergeBelow;
        return true;
    case RtfWord::Cellx:
        if (m_cells.size() < size_t(kMaxCells))
            m_cells.push_back(Cell{value, m_pendingMerge});
        m_pendingMerge = 0;
        return true;
    default:
        return false;
    }
}

int RtfRowDefinition::width(int i) const
{
    if (i < 0 || size_t(i) >= m_cells.size())
        return 0;
    const int from = i == 0 ? m_left : m_cells[size_t(i) - 1].right;
    return qBound(0, m_cells[size_t(i)].right - from, kMaxCellTwips);
}
