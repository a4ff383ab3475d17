#pragma once

#include <vector>

enum class RtfWord : unsigned short;
struct RtfToken;

// A table row as \trowd and the \cellx after it define it: where each cell ends and which
// cells merge with their neighbours.
class RtfRowDefinition
{
public:
    // Word's limit; a row with more is damage, its further cells share the last one.
    static constexpr int kMaxCells = 63;

    enum Merge : unsigned char
    {
        MergeFirst = 1, // \clmgf: the first of cells merged across
        MergeNext = 2,  // \clmrg
        MergeTop = 4,   // \clvmgf: the top of cells merged down
        MergeBelow = 8, // \clvmrg
    };

    struct Cell
    {
        int right = 0; // \cellx, twips from the margin
        unsigned char merge = 0;
    };

    // Applies a row definition word; false when the word is none.
    bool apply(RtfWord word, const RtfToken &token);

    const std::vector<Cell> &cells() const { return m_cells; }
    int left() const { return m_left; }
    // The width of cell i in twips, 0 when the definition gives none.
    int width(int i) const;

private:
    std::vector<Cell> m_cells;
    int m_left = 0;
    unsigned char m_pendingMerge = 0;
};
