#pragma once

#include <QObject>
#include <functional>
#include <memory>

class CombinationExport;
class QAction;
class QWidget;

// "导出全部组合…" (exportCombinations): asks for the file, asks first above ten million lines
// (naming the count and the size), and shows a progress dialog with 取消 for long exports.
// Cancelled or failed, the old file stays as it was.
class CombinationExportCommand : public QObject
{
    Q_OBJECT

public:
    static constexpr quint64 AskAbove = 10000000;
    static constexpr quint64 ProgressFrom = 10000;

    using JobMaker = std::function<std::unique_ptr<CombinationExport>()>;
    // Asks for the export file's name; an empty name cancels.
    using FileChooser = std::function<QString(QWidget *parent)>;

    CombinationExportCommand(QWidget *parent, JobMaker makeJob);
    Q_DISABLE_COPY_MOVE(CombinationExportCommand)

    QAction *action() const { return m_action; }
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    void run();

    // "约 1.2 GB"
    static QString sizeText(long double bytes);

private:
    bool confirmLarge(const CombinationExport &job) const;
    void runWithProgress(CombinationExport &job, const QString &path);
    static QString chooseFile(QWidget *parent);

    QWidget *m_parent = nullptr;
    QAction *m_action = nullptr;
    JobMaker m_makeJob;
    FileChooser m_chooser = &CombinationExportCommand::chooseFile;
};
