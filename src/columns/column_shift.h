#pragma once

class QLineEdit;
class SimpleCombo;

// Exchanging two neighbouring columns' contents, one pair of controls at a time. A page's
// ">" button runs its list exchanges first, then its text exchanges.
namespace ColumnShift {

// Entries move in order, so a sorted list re-sorts them; both lists end with no
// selection and an empty edit line.
void exchangeLists(SimpleCombo *left, SimpleCombo *right);
void exchangeTexts(QLineEdit *left, QLineEdit *right);

} // namespace ColumnShift
