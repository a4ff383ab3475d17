#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// The one way the program writes a file. QSaveFile alone is not enough on Qt 6.4: when
// write() only buffered and the flush inside commit() fails (a full disk), commit() still
// renames the empty temporary file over the old one. So every byte is flushed and checked
// before the rename, and any failure cancels it: the old file stays as it was.
namespace CheckedSave {

// False on any failure, with reason set to a short Chinese cause ("磁盘空间已满") that the
// caller puts after its own message naming the file. Never creates folders.
bool writeFile(const QString &path, const QByteArray &bytes, QString *reason);

// The short cause for a failed write of path ("磁盘空间已满", "没有写入权限", ...).
QString causeOf(const QString &path, QFileDevice::FileError error);

} // namespace CheckedSave
