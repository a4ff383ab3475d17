#include "idea/idea_styles.h"

namespace IdeaStyles {

QString caption(Style style)
{
    switch (style) {
    case Concise:
        return QStringLiteral("简洁型");
    case Tentative:
        return QStringLiteral("试探型");
    case Forceful:
        return QStringLiteral("强制型");
    case Suggestive:
        return QStringLiteral("建议型");
    }
    return QString();
}

QList<Connectors> preset(Style style)
{
    switch (style) {
    case Concise:
        return {{}, {}, {QString(), QStringLiteral("原理")}, {}, {}, {}};
    case Tentative:
        return {{QStringLiteral("研究"), QString()},
                {QStringLiteral("可否"), QString()},
                {QStringLiteral("能否引入"), QStringLiteral("的原理")},
                {QStringLiteral("快速"), QStringLiteral("如何")},
                {QStringLiteral("需要"), QStringLiteral("吗")},
                {QStringLiteral("能用在"), QStringLiteral("环境吗")}};
    case Forceful:
        return {{QStringLiteral("关于"), QString()},
                {},
                {QStringLiteral("引进"), QStringLiteral("的原理")},
                {QStringLiteral("对其"), QString()},
                {QStringLiteral("设计"), QStringLiteral("结构")},
                {QStringLiteral("用于"), QStringLiteral("环境")}};
    case Suggestive:
        return {{QStringLiteral("对于"), QString()},
                {QStringLiteral("试试"), QString()},
                {QStringLiteral("请参考"), QStringLiteral("的特征")},
                {QStringLiteral("考虑"), QStringLiteral("的效果")},
                {QStringLiteral("建议有"), QStringLiteral("结构")},
                {QStringLiteral("试试用于"), QStringLiteral("环境")}};
    }
    return QList<Connectors>(6);
}

} // namespace IdeaStyles
