#include "links/link_frames.h"

#include "links/link_label.h"
#include "links/link_targets.h"
#include "links/open_link.h"

#include <QGridLayout>
#include <QGroupBox>

namespace LinkFrames {

namespace {

LinkLabel *addLink(const LinkTarget &link, QWidget *frame)
{
    auto *label = new LinkLabel(link.label, link.caption, frame);
    label->setToolTip(link.target == LinkTargets::localHelp() ? QStringLiteral("Quorvane 使用说明")
                                                              : link.target);
    QObject::connect(label, &LinkLabel::activated, label,
                     [label, link] { OpenLinkInBrowser(label, link.target, link.captionAfter); });
    return label;
}

} // namespace

QGroupBox *createPatentLinks(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("专利新颖性与文献查询链接"), parent);
    frame->setObjectName(QStringLiteral("Frame12"));
    auto *layout = new QGridLayout(frame);
    layout->setVerticalSpacing(0);
    const QList<LinkTarget> links = LinkTargets::patentLinks();
    constexpr int perRow = 6;
    for (int i = 0; i < links.size(); ++i)
        layout->addWidget(addLink(links.at(i), frame), i / perRow, i % perRow);
    return frame;
}

QGroupBox *createSupportLinks(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("软件技术支持"), parent);
    frame->setObjectName(QStringLiteral("Frame10"));
    auto *layout = new QGridLayout(frame);
    layout->setVerticalSpacing(0);
    auto *plain = new QLabel(QStringLiteral("Quorvane"), frame);
    plain->setObjectName(QStringLiteral("Label4"));
    layout->addWidget(plain, 0, 0);
    const QList<LinkTarget> links = LinkTargets::supportLinks();
    for (int i = 0; i < links.size(); ++i)
        layout->addWidget(addLink(links.at(i), frame), 0, i + 1);
    return frame;
}

} // namespace LinkFrames
