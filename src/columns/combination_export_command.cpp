#include "columns/combination_export_command.h"

#include "columns/combination_export.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace {
const QString &title()
{
    static const QString text = QStringLiteral("导出全部组合");
    return text;
}
} // namespace

CombinationExportCommand::CombinationExportCommand(QWidget *parent, JobMaker makeJob)
    : QObject(parent), m_parent(parent),
      m_action(new QAction(QStringLiteral("导出全部组合…"), this)), m_makeJob(std::move(makeJob))
{
    m_action->setObjectName(QStringLiteral("exportCombinations"));
    m_action->setToolTip(QStringLiteral("把参与随机的各栏能组成的全部句子写入文本文件，每句一行"));
    connect(m_action, &QAction::triggered, this, &CombinationExportCommand::run);
}

QString CombinationExportCommand::sizeText(long double bytes)
{
    static const char *const units[] = {"B", "KB", "MB", "GB", "TB", "PB", "EB"};
    int unit = 0;
    while (bytes >= 1024.0L && unit < 6) {
        bytes /= 1024.0L;
        ++unit;
    }
    if (bytes >= 1024.0L) // beyond exabytes: powers of ten say more than a unit
        return QStringLiteral("约 %1 EB").arg(double(bytes), 0, 'g', 3);
    return QStringLiteral("约 %1 %2")
        .arg(double(bytes), 0, 'f', unit == 0 ? 0 : 1)
        .arg(QLatin1String(units[unit]));
}

void CombinationExportCommand::run()
{
    QWidget *window = m_parent->window();
    const std::unique_ptr<CombinationExport> job = m_makeJob();
    if (job->count().isZero()) {
        QMessageBox::information(window, title(),
                                 QStringLiteral("参与随机的栏中有空栏，没有可导出的组合。"));
        return;
    }
    if (!confirmLarge(*job))
        return;
    const QString path = m_chooser(window);
    if (path.isEmpty())
        return;
    const bool small = job->count().isExact() && job->count().value() < ProgressFrom;
    QString error;
    if (small) {
        if (!job->writeAll(path, &error))
            QMessageBox::warning(window, title(), error);
        return;
    }
    runWithProgress(*job, path);
}

bool CombinationExportCommand::confirmLarge(const CombinationExport &job) const
{
    if (job.count().isExact() && job.count().value() <= AskAbove)
        return true;
    QMessageBox box(
        QMessageBox::Question, title(),
        QStringLiteral("共 %1 种组合，每种一行，文件%2。导出要用较长时间，可以随时取消。"
                       "仍要导出吗？")
            .arg(job.count().text(), sizeText(job.estimatedBytes())),
        QMessageBox::NoButton, m_parent->window());
    box.setObjectName(QStringLiteral("exportConfirm"));
    QPushButton *go = box.addButton(QStringLiteral("导出"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == go;
}

void CombinationExportCommand::runWithProgress(CombinationExport &job, const QString &path)
{
    QWidget *window = m_parent->window();
    const QString file = QDir::toNativeSeparators(path);
    QProgressDialog progress(
        QStringLiteral("正在把 %1 种组合导出到\n%2").arg(job.count().text(), file),
        QStringLiteral("取消"), 0, 1000, window);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(title());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);

    QString error;
    if (!job.open(path, &error)) {
        progress.close();
        QMessageBox::warning(window, title(), error);
        return;
    }
    QElapsedTimer slice;
    while (!job.atEnd()) {
        slice.start();
        // Small pieces between looks at the dialog, so 取消 answers at once.
        while (!job.atEnd() && slice.elapsed() < 40) {
            if (!job.writeNext(2048, &error)) {
                progress.close();
                QMessageBox::warning(window, title(), error);
                return;
            }
        }
        progress.setValue(int(1000.0L * (long double)job.written() / job.lineCount()));
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) {
            job.cancel();
            return;
        }
    }
    if (!job.commit(&error)) {
        progress.close();
        QMessageBox::warning(window, title(), error);
        return;
    }
    // A long export ends with what was written, until the user closes it.
    progress.setValue(1000);
    progress.setLabelText(QStringLiteral("已导出 %1 行到\n%2").arg(job.written()).arg(file));
    progress.setCancelButtonText(QStringLiteral("关闭"));
    progress.exec();
}

QString CombinationExportCommand::chooseFile(QWidget *parent)
{
    QFileDialog dialog(parent, title());
    dialog.setObjectName(QStringLiteral("exportCombinationsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("文本文件 (*.txt)"), QStringLiteral("所有文件 (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
