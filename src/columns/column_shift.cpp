#include "columns/column_shift.h"

#include "columns/simple_combo.h"

#include <QLineEdit>

namespace ColumnShift {

void exchangeLists(SimpleCombo *left, SimpleCombo *right)
{
    const QStringList scratch = left->items();
    left->clear();
    left->addItems(right->items());
    right->clear();
    right->addItems(scratch);
}

void exchangeTexts(QLineEdit *left, QLineEdit *right)
{
    const QString scratch = left->text();
    left->setText(right->text());
    right->setText(scratch);
}

} // namespace ColumnShift
