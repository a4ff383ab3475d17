#include "columns/column_names.h"

#include <QComboBox>
#include <QLineEdit>

ColumnNames::ColumnNames(QLineEdit *caption) : QObject(caption), m_caption(caption)
{
    caption->setAccessibleName(QStringLiteral("栏名"));
    connect(caption, &QLineEdit::textChanged, this, &ColumnNames::refresh);
}

void ColumnNames::name(QWidget *control, const QString &role)
{
    if (!control)
        return;
    m_controls.append({control, role});
    if (auto *box = qobject_cast<QComboBox *>(control); box && box->lineEdit())
        m_controls.append({box->lineEdit(), role}); // read on its own by screen readers
    refresh();
}

void ColumnNames::refresh()
{
    const QString caption = m_caption->text().simplified();
    for (const auto &[control, role] : std::as_const(m_controls)) {
        if (control)
            control->setAccessibleName(caption.isEmpty() ? role : caption + u' ' + role);
    }
}
