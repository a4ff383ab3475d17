#include "columns/simple_combo.h"
#include "columns/sorted_order.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

// The sorted default lists, as stored: the collation must give back exactly this order.
class TestSortedOrder : public QObject
{
    Q_OBJECT

private slots:
    void defaultLists_keepTheirStoredOrder_data();
    void defaultLists_keepTheirStoredOrder();
    void purposeSortsBeforeTrade();
    void appendedWords_landInPlace_equalWordsKeepArrivalOrder();
};

static QStringList split(const char *words)
{
    return QString::fromUtf8(words).split(u',');
}

void TestSortedOrder::defaultLists_keepTheirStoredOrder_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("title actions") << split("(充电),(冲气),(磁控),(电动),(吊起),(调压),(光照),("
                                            "滚动),(火烧),(挤压),(加磁),(加厚),(加碱),"
                                            "(加热),(加酸),(降温),(拉伸),(冷冻),(漂浮),(切割),("
                                            "热压),(时控),(水冲),(缩小),(通电),(通风),"
                                            "(悬浮),(旋转),(振动),(支轮)");
    QTest::newRow("title principles") << split(
        "摆动式,伯努利,超声波,冲击式,传动式,传热式,电解式,电子式,调速式,反射式,杠杆式,跟踪式,"
        "红外线,"
        "虹吸式,换热式,换向式,活塞式,霍尔,离心式,流动式,螺杆式,喷射式,膨胀式,燃烧式,热泵式,热管式,"
        "伸展式,升降式,往复式,悬挂式,旋转式,旋转式,压电式,液压式,真空式,轴流式");
    QTest::newRow("title objects") << split("包,包装(机),杯,泵,笔,避震(器),变压(器),播种(机),捕鱼("
                                            "器),采煤(机),柴油(机),铲车,秤,除草(器),"
                                            "厨具,存储(器),打包(机),灯,阀,反应(器),粉碎(机),缝纫("
                                            "机),干燥(器),给料(机),管,罐,锅炉,过滤(器),"
                                            "焊机,滑车,混合(器),机床,加速(器),剪,交换(器),绞车,"
                                            "搅拌(机),锯,开关,离合(器),链,炉,锚,灭火(器),"
                                            "喷粉(机),喷射(器),起重(机),钳,枪,切割(机),切割(机),"
                                            "倾卸(车),清洁(器),塞,扇,升降(机),刷,水龙头,"
                                            "锁,探测(器),艇,涂胶(机),挖掘(机),洗衣(机),学步(车),"
                                            "熏杀(器),压缩(机),压榨(机),研磨(机),仪表,"
                                            "凿岩(机),灶,真空(计),治疗(仪),钟,钻");
    QTest::newRow("articles") << split(
        "包装机,泵,避震器,变压器,播种机,捕鱼器,采煤机,柴油机,铲车,秤,除草器,厨具,存储器,打包机,"
        "发电机,"
        "阀,反应器,粉碎机,缝纫机,孵化器,干燥器,给料机,罐,锅炉,过滤器,焊机,滑车,混合器,机床,加速器,"
        "交换器,绞车,搅拌机,锯,开关,链,炉,灭火器,喷粉机,喷射器,起重机,钳,枪,切割机,倾卸车,清洁器,"
        "塞,"
        "扇,升降机,刷,水龙头,锁,探测器,艇,涂胶机,挖掘机,涡轮,吸尘器,洗衣机,学步车,熏杀器,压缩机,"
        "压榨机,研磨机,仪表,凿岩机,灶,真空计,治疗仪,钟,自行车,钻");
    QTest::newRow("parts") << split(
        "(的把手),(的保险阀),(的表),(的操纵杆),(的点火器),(的动力轴),(的舵),(的风扇),(的链条),"
        "(的轮子),(的驱动器),(的燃料箱),(的塞子),(的散热器),(的输送器),(的托盘),(的外壳),(的外罩),"
        "(的支架),(的主动轴)");
    QTest::newRow("idea changes") << split(
        "部件换位,分规式双折,改为智能结构,钢化,更换材质,扇子式曲伸,设计装运器,塑料化,添加电动机,"
        "添加计量器,添加履带,添加支轮,袖珍化,增加声控,增加遥控");
    QTest::newRow("idea places") << split(
        "餐馆,仓库,操场,草地,城市,厨房,地道,地下室,动物园,工厂,海岛,航行,环境,农场,森林,山洞,隧道,"
        "铁路,休息室,浴室");
    QTest::newRow("idea lead words") << split("缓慢,假如,进行,考虑,快速,能否,强制,实施,突然");
    QTest::newRow("idea trailing words") << split("场所,环境,目的,行业,用途");
}

void TestSortedOrder::defaultLists_keepTheirStoredOrder()
{
    QFETCH(QStringList, stored);
    QStringList shuffled = stored;
    std::shuffle(shuffled.begin(), shuffled.end(), *QRandomGenerator::global());

    SimpleCombo list;
    list.setSorted(true);
    list.addItems(shuffled);
    QCOMPARE(list.items(), stored);
}

void TestSortedOrder::purposeSortsBeforeTrade()
{
    QVERIFY(sortedLess(QStringLiteral("目的"), QStringLiteral("行业")));
    QVERIFY(!sortedLess(QStringLiteral("行业"), QStringLiteral("目的")));
}

void TestSortedOrder::appendedWords_landInPlace_equalWordsKeepArrivalOrder()
{
    const QStringList entries = split("摆动式,旋转式,旋转式,轴流式");
    QCOMPARE(sortedInsertPosition(entries, QStringLiteral("伯努利")), 1);
    QCOMPARE(sortedInsertPosition(entries, QStringLiteral("旋转式")), 3);
    QCOMPARE(sortedInsertPosition(entries, QStringLiteral("阿")), 0);
    QCOMPARE(sortedInsertPosition(entries, QStringLiteral("座")), 4);
    QCOMPARE(sortedInsertPosition({}, QStringLiteral("座")), 0);
}

QTEST_MAIN(TestSortedOrder)
#include "tst_sorted_order.moc"
