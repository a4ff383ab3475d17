#pragma once

class QGroupBox;
class QWidget;

// The link labels' frames, built here and placed by the pages that show them.
namespace LinkFrames {

QGroupBox *createPatentLinks(QWidget *parent);  // "Frame12", editor page
QGroupBox *createSupportLinks(QWidget *parent); // "Frame10", title page

} // namespace LinkFrames
