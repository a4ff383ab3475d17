#include "question/question_patterns.h"

namespace QuestionPatterns {

const QList<QuestionPattern> &all()
{
    // Entry texts are display only; the fixed texts differ from them on purpose
    // (full-width parentheses, "水分" rather than "的水分").
    static const QList<QuestionPattern> patterns{
        {QStringLiteral("1、(如何使){材料名词栏}{不及物动词栏}"),
         {0, 3},
         QStringLiteral("如何使"),
         {}},
        {QStringLiteral("2、(如何使){材料名词栏}(  地){不及物动词栏}"),
         {0, 3},
         QStringLiteral("如何使"),
         {{2, QStringLiteral("（  地）")}}},
        {QStringLiteral("3、(怎样){及物动词栏}{材料名词栏}"), {4, 6}, QStringLiteral("怎样"), {}},
        {QStringLiteral("4、(怎样)(在   时){及物动词栏}{材料名词栏}"),
         {4, 6},
         QStringLiteral("怎样"),
         {{2, QStringLiteral("（在  时）")}}},
        {QStringLiteral("5、(怎样)(改变){材料名词栏}(名词属性栏}"),
         {6, 7},
         QStringLiteral("怎样"),
         {{4, QStringLiteral("改变")}}},
        {QStringLiteral("6、(怎样)(快速地)(去除){材料名词栏}(的水分)"),
         {6},
         QStringLiteral("怎样"),
         {{2, QStringLiteral("快速地")}, {4, QStringLiteral("去除")}, {7, QStringLiteral("水分")}}},
        {QStringLiteral("7、(能否使){工具名词栏}{工具动词栏}"),
         {5, 8},
         QStringLiteral("能否使"),
         {}},
        {QStringLiteral("8、(能否使){工具名词栏}(便携化)(或)(改变燃料)"),
         {5},
         QStringLiteral("能否使"),
         {{6, QStringLiteral("便携化")},
          {7, QStringLiteral("或")},
          {8, QStringLiteral("改变燃料")}}},
    };
    return patterns;
}

QString hint()
{
    return QStringLiteral("先在此选择示例句型，然后单击提问或开始按钮");
}

} // namespace QuestionPatterns
