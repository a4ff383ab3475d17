#pragma once

#include "rtf/rtf_destination.h"

#include <QHash>
#include <QString>
#include <vector>

// One level of a list as \listtable defines it.
struct RtfListLevel
{
    int style = -4; // a QTextListFormat::Style, decimal unless said; undefined shows none
    int start = 1;  // \levelstartat
    QString prefix; // \leveltext before the number
    QString suffix; // and after it
};

// \listtable and \listoverridetable: the lists that paragraphs name by \ls and \ilvl.
class RtfListTable : public RtfDestination
{
public:
    bool controlWord(RtfWord word, const RtfToken &token, RtfGroupState &state) override;
    void controlSymbol(char, const RtfGroupState &) override {}
    void bytes(std::string_view bytes, const RtfGroupState &state) override;
    void unicode(char16_t unit, const RtfGroupState &state) override;
    void groupClosed(const RtfGroupState &state) override;

    // The level that a paragraph's \ls and \ilvl name; nullptr when they name none.
    const RtfListLevel *level(int override, int level) const;

    // The style a bullet character stands for: a disc unless it looks like a circle or a
    // square.
    static int bulletStyle(QStringView text);
    // The characters of a number's prefix or suffix that are plain text in a file: no
    // control characters, breaks or spaces that RTF writes as words.
    static QString labelText(QStringView text);

private:
    // Lists and levels beyond these are damage; their words are read and dropped.
    static constexpr int kMaxLists = 4096;
    static constexpr int kMaxLevels = 9;
    static constexpr int kMaxLevelText = 64;

    struct List
    {
        int id = 0;
        std::vector<RtfListLevel> levels;
        std::vector<int> formats; // \levelnfc of each level
    };

    RtfListLevel *currentLevel();
    void endLevelText();
    void commitOverride();

    std::vector<List> m_lists;
    QHash<int, int> m_overrides; // \ls to the list's \listid
    QHash<int, int> m_listById;  // \listid to the list's index
    bool m_inList = false;
    bool m_inOverride = false;
    int m_overrideNumber = -1;
    int m_overrideList = 0;
    bool m_overrideHasList = false;
    bool m_levelUsable = false;
    bool m_capturing = false;
    QString m_levelText;
};
