#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

// Names for screen readers: a column's word list, input box and the like have no
// caption of their own, so they are named after the column's caption box and their role
// ("材料名词栏 单词列表"), following the caption as the user edits it.
class ColumnNames : public QObject
{
    Q_OBJECT

public:
    explicit ColumnNames(QLineEdit *caption);

    void name(QWidget *control, const QString &role);

    static QString roleOfList() { return QStringLiteral("单词列表"); }
    static QString roleOfInput() { return QStringLiteral("输入框"); }

private:
    void refresh();

    QLineEdit *m_caption;
    QList<std::pair<QPointer<QWidget>, QString>> m_controls;
};
