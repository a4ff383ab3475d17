#include "links/link_frames.h"

#include <QGroupBox>

namespace LinkFrames {

QGroupBox *createPatentLinks(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("专利新颖性与文献查询链接"), parent);
    frame->setObjectName(QStringLiteral("Frame12"));
    return frame;
}

QGroupBox *createSupportLinks(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("软件技术支持"), parent);
    frame->setObjectName(QStringLiteral("Frame10"));
    return frame;
}

} // namespace LinkFrames
