#include "question/question_defaults.h"

namespace QuestionDefaults {

namespace {

QStringList split(const QString &words)
{
    return words.split(QLatin1Char(' '));
}

QStringList questionWords()
{
    return split(QStringLiteral(
        "如何 怎样 如何使 怎样能使 怎样才能让 如何才能 能否 能否使 为什么 用何方式"));
}

QStringList materialNouns()
{
    return split(QStringLiteral(
        "柏油 材料 产品 粉末 水泥 木头 配料 原料 种子 金属 玻璃 石头 矿石 道路 树木 污染物 土 泥 "
        "食物 煤 空气 水 溶液 蒸汽 油 垃圾 纸 塑料 玻璃钢 金属块 植物 橡胶 化学物质 石灰 涂料 "
        "油漆"));
}

} // namespace

Column questionWordColumn()
{
    return {QStringLiteral("疑问词栏"), QStringLiteral("怎样使"), true, questionWords(),
            QStringLiteral("存词")};
}

Column wordColumn(int index)
{
    switch (index) {
    case 0:
        return {QStringLiteral("材料名词栏"), QStringLiteral("木头"), false, materialNouns(),
                QStringLiteral("调用")};
    case 1:
        return {QStringLiteral("疑问词栏"), QStringLiteral("木头"), false, questionWords(),
                QStringLiteral("删除")};
    case 2:
        return {QStringLiteral("副词栏"), QStringLiteral("快速"), false,
                split(QStringLiteral("安全地 附带地 高效地 精确地 容易地 适度地 快速地 逐渐地 "
                                     "自动地 移动时 加工时 装运时 粉碎时")),
                QStringLiteral("清空")};
    case 3:
        return {QStringLiteral("不及物动词"), QStringLiteral("变形"), false,
                split(QStringLiteral(
                    "流动 摇摆 变冷 变软 变硬 漂浮 通风 变小 运动 变形 改性 染色 成型")),
                QStringLiteral("添加")};
    case 4:
        return {QStringLiteral("及物动词栏"), QStringLiteral("去除"), false,
                split(QStringLiteral("粉碎 收集 移动 清除 装运 干燥 稀释 改变 检查 验收 包装 "
                                     "提取 分离 存放 计量 保护 修护")),
                QStringLiteral("随机")};
    case 5:
        return {QStringLiteral("工具名词栏"), QStringLiteral("木头"), true,
                split(QStringLiteral(
                    "包装机 泵 避震器 变压器 播种机 采煤机 柴油机 铲车 秤 除草器 厨具 存储器 "
                    "打包机 发电机 阀 反应器 粉碎机 缝纫机 孵化器 干燥器 给料机 罐 锅炉 过滤器 "
                    "焊机 滑车 混合器 机床 加速器 交换器 绞车 搅拌机 锯 开关 链 炉 灭火器 喷粉机 "
                    "喷射器 起重机 钳 枪 切割机 倾卸车 清洁器 塞 扇 升降机 刷 水龙头 锁 探测器 艇 "
                    "涂胶机 挖掘机 涡轮 吸尘器 洗衣机 学步车 熏杀器 压缩机 压榨机 研磨机 仪表 "
                    "凿岩机 灶 真空计 治疗仪 钟 自行车 钻")),
                QStringLiteral("擦除")};
    case 6:
        return {QStringLiteral("材料名词栏"), QStringLiteral("的湿度"), false, materialNouns(),
                QStringLiteral("存词")};
    case 7:
        return {QStringLiteral("名词的属性"), QString(), false,
                split(QStringLiteral("的大小 的导电率 的化学成分 的连接物 的密度 的黏度 的容器 "
                                     "的输送管 的水分 的味道 的形状 的颜色 的硬度 的重量 "
                                     "的装运方式")),
                QStringLiteral("调用")};
    case 8:
        return {QStringLiteral("工具动词栏"), QStringLiteral("更快"), true,
                split(QStringLiteral(
                    "变轻 便携化 工作更快 更精密 更好用 智能化 数字化 塑料化 抗震 便于移动 "
                    "更安全 更耐用 更节能 防水 防爆 改变用途 容易制造 替代它物 组合它物 "
                    "改变结构 改变原理")),
                QStringLiteral("删除")};
    case 9:
        return {QStringLiteral("自定义栏"),
                QStringLiteral("Combo9"),
                false,
                {QStringLiteral("至少添1词")},
                QStringLiteral("清空")};
    default:
        return {};
    }
}

QStringList commands()
{
    return split(QStringLiteral("存词 调用 删除 清空 添加 随机 擦除"));
}

QString initialQuestionWord()
{
    return QStringLiteral("能否使");
}

} // namespace QuestionDefaults
