#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A classic list of inventive methods, shipped with the program: a title, where it comes
// from, and its entries in their customary order.
struct MethodLibrary
{
    QString title;
    QString source;
    QStringList words;

    // "# 标题：…" and "# 来源：…" lines, then one entry a line (UTF-8); blank lines skipped.
    static MethodLibrary parse(const QByteArray &text);
    // Every shipped library, in the order of the menu; read once from the resources.
    static const QList<MethodLibrary> &all();
};
