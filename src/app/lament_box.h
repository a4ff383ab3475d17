#pragma once

class QWidget;

// The fixed lament about useless titles: modal, Cancel / Try Again / Continue, and
// whichever is pressed nothing follows.
namespace LamentBox {

void show(QWidget *parent);

} // namespace LamentBox
