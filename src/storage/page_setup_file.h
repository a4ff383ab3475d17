#pragma once

#include "storage/page_setup.h"

#include <QByteArray>
#include <QString>

// A page setup as a ".qvset" file: UTF-8 JSON with a format version and the page it belongs
// to. Reading checks everything before anything is used: a broken, huge, foreign or newer
// file gives one Chinese reason and no setup.
namespace PageSetupFile {

constexpr int FormatVersion = 1;
constexpr qint64 MaxBytes = 64 * 1024 * 1024;
inline const char *suffix()
{
    return "qvset";
}

// The page's caption ("问题提示") and the number of its columns (the question page counts its
// question-word column first).
QString pageCaption(PageSetup::Page page);
int columnCount(PageSetup::Page page);

QByteArray encode(const PageSetup &setup);
bool decode(const QByteArray &bytes, PageSetup *setup, QString *reason);

// error: "无法打开方案：<file>" or "无法写入文件：<file>", then the reason.
bool read(const QString &path, PageSetup *setup, QString *error);
bool write(const QString &path, const PageSetup &setup, QString *error);

} // namespace PageSetupFile
