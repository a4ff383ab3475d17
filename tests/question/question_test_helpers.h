#pragma once

#include "columns/simple_combo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>
#include <QtTest>

// Finds a control by its object name; a missing control ends the test run loudly.
template <typename T> T *control(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

inline QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// What a user does by picking an entry in a command box: it runs even when shown already.
inline void chooseCommand(QComboBox *box, int position)
{
    box->setCurrentIndex(position);
    emit box->activated(position);
}
