#include "columns/default_words.h"

QStringList articleWords()
{
    return {QStringLiteral("包装机"), QStringLiteral("泵"),     QStringLiteral("避震器"),
            QStringLiteral("变压器"), QStringLiteral("播种机"), QStringLiteral("捕鱼器"),
            QStringLiteral("采煤机"), QStringLiteral("柴油机"), QStringLiteral("铲车"),
            QStringLiteral("秤"),     QStringLiteral("除草器"), QStringLiteral("厨具"),
            QStringLiteral("存储器"), QStringLiteral("打包机"), QStringLiteral("发电机"),
            QStringLiteral("阀"),     QStringLiteral("反应器"), QStringLiteral("粉碎机"),
            QStringLiteral("缝纫机"), QStringLiteral("孵化器"), QStringLiteral("干燥器"),
            QStringLiteral("给料机"), QStringLiteral("罐"),     QStringLiteral("锅炉"),
            QStringLiteral("过滤器"), QStringLiteral("焊机"),   QStringLiteral("滑车"),
            QStringLiteral("混合器"), QStringLiteral("机床"),   QStringLiteral("加速器"),
            QStringLiteral("交换器"), QStringLiteral("绞车"),   QStringLiteral("搅拌机"),
            QStringLiteral("锯"),     QStringLiteral("开关"),   QStringLiteral("链"),
            QStringLiteral("炉"),     QStringLiteral("灭火器"), QStringLiteral("喷粉机"),
            QStringLiteral("喷射器"), QStringLiteral("起重机"), QStringLiteral("钳"),
            QStringLiteral("枪"),     QStringLiteral("切割机"), QStringLiteral("倾卸车"),
            QStringLiteral("清洁器"), QStringLiteral("塞"),     QStringLiteral("扇"),
            QStringLiteral("升降机"), QStringLiteral("刷"),     QStringLiteral("水龙头"),
            QStringLiteral("锁"),     QStringLiteral("探测器"), QStringLiteral("艇"),
            QStringLiteral("涂胶机"), QStringLiteral("挖掘机"), QStringLiteral("涡轮"),
            QStringLiteral("吸尘器"), QStringLiteral("洗衣机"), QStringLiteral("学步车"),
            QStringLiteral("熏杀器"), QStringLiteral("压缩机"), QStringLiteral("压榨机"),
            QStringLiteral("研磨机"), QStringLiteral("仪表"),   QStringLiteral("凿岩机"),
            QStringLiteral("灶"),     QStringLiteral("真空计"), QStringLiteral("治疗仪"),
            QStringLiteral("钟"),     QStringLiteral("自行车"), QStringLiteral("钻")};
}
