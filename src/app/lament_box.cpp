#include "app/lament_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace LamentBox {

void show(QWidget *parent)
{
    const QString text =
        QStringLiteral(
            "这些该死的垃圾题目一定耽误了您不少时间，我们正在加紧改进。但仔细想来，人脑的惯性思维产"
            "生的题目绝大部分也是垃圾。训练人脑的惯性思维花一年也难以凑效，删除软件的垃圾题目花一秒"
            "就成。软件把艰难的创造活动转换为简单的判断：现在您不用动脑筋去创造，只要删除、删除、再"
            "删除（如果您的食指太累的话就多费点眼神去挑选吧）。可以说电脑软件用一天，超过苦思一百天"
            "，因为电脑的速度远远超过人脑速度的一百倍。软件不停地刺激我们产生灵感，使我们的“生活经"
            "历”延长了“一百倍”，显然提高了效率，节约了宝贵的时间。") +
        QStringLiteral("    ") +
        QStringLiteral("软件生成的信息垃圾太多，但软件为您提供了无穷含金的矿石或沙床(不是纯金)"
                       "，用户的工作是沙里淘金。") +
        QStringLiteral("当然我们一定会加紧努力，争取早日出台更完善的版本，使它含金量更高，回报广大"
                       "发明爱好者的支持。");

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("关于垃圾题目的感叹"), text,
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("LamentBox"));
    // One role for all three keeps the order Cancel, Try Again, Continue on every platform.
    QPushButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::ActionRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    box.addButton(QStringLiteral("重试"), QMessageBox::ActionRole)
        ->setObjectName(QStringLiteral("TryAgain"));
    box.addButton(QStringLiteral("继续"), QMessageBox::ActionRole)
        ->setObjectName(QStringLiteral("Continue"));
    box.setEscapeButton(cancel);
    box.exec();
}

} // namespace LamentBox
