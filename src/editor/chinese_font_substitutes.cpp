#include "editor/chinese_font_substitutes.h"

#include <QFont>
#include <QStringList>

namespace {

enum class Style
{
    Song,
    Hei,
    Kai
};

struct WindowsName
{
    const char16_t *name;
    Style style;
};

// The names Word and WordPad write, in Chinese and in Latin letters.
constexpr WindowsName WindowsNames[] = {
    {u"宋体", Style::Song},           {u"SimSun", Style::Song},
    {u"新宋体", Style::Song},         {u"NSimSun", Style::Song},
    {u"仿宋", Style::Song},           {u"FangSong", Style::Song},
    {u"仿宋_GB2312", Style::Song},    {u"黑体", Style::Hei},
    {u"SimHei", Style::Hei},          {u"微软雅黑", Style::Hei},
    {u"Microsoft YaHei", Style::Hei}, {u"等线", Style::Hei},
    {u"DengXian", Style::Hei},        {u"楷体", Style::Kai},
    {u"KaiTi", Style::Kai},           {u"楷体_GB2312", Style::Kai},
};

QStringList songFaces()
{
    return {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
            QStringLiteral("Source Han Serif CN"), QStringLiteral("AR PL UMing CN"),
            QStringLiteral("AR PL SungtiL GB")};
}

QStringList heiFaces()
{
    return {QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
            QStringLiteral("Source Han Sans CN"),  QStringLiteral("WenQuanYi Zen Hei"),
            QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")};
}

// The other style last: a Simplified Chinese face of the wrong style still beats the
// fallback's guess.
QStringList facesFor(Style style)
{
    switch (style) {
    case Style::Song:
        break;
    case Style::Hei:
        return heiFaces() + songFaces();
    case Style::Kai:
        return QStringList{QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL KaitiM GB")} +
               songFaces() + heiFaces();
    }
    return songFaces() + heiFaces();
}

} // namespace

namespace ChineseFontSubstitutes {

QStringList candidatesFor(const QString &family)
{
    for (const WindowsName &windows : WindowsNames) {
        if (family.compare(QStringView(windows.name), Qt::CaseInsensitive) == 0)
            return facesFor(windows.style);
    }
    return {};
}

void install()
{
    for (const WindowsName &windows : WindowsNames) {
        const QString name = QString::fromUtf16(windows.name);
        if (QFont::substitutes(name).isEmpty())
            QFont::insertSubstitutions(name, facesFor(windows.style));
    }
}

} // namespace ChineseFontSubstitutes
