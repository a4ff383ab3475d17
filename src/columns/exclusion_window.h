#pragma once

#include <QDialog>
#include <QList>

class ExclusionGridModel;
class ExclusionSet;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class SimpleCombo;

// "排除…": a page's ruled-out pairs, two columns at a time. The grid crosses the words of
// the two chosen columns (a click rules a pair out or back in); beside it, every ruled-out
// pair of the page with "恢复" and "全部清除".
class ExclusionWindow : public QDialog
{
    Q_OBJECT

public:
    struct Column
    {
        const QLineEdit *caption;
        const SimpleCombo *list;
        const QAbstractButton *drawnSwitch; // none: never drawn
    };

    ExclusionWindow(ExclusionSet *set, const QList<Column> &columns, QWidget *parent);

    // Rows from one column, grid columns from the other (indices into the columns given).
    void chooseColumns(int rowColumn, int gridColumn);
    QTableView *grid() const { return m_grid; }
    ExclusionGridModel *model() const { return m_model; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshCaptions();
    void refreshGrid();
    void refreshPairs();
    void restoreSelected();
    void clearAll();

    ExclusionSet *m_set;
    QList<Column> m_columns;
    QComboBox *m_rowColumn = nullptr;
    QComboBox *m_gridColumn = nullptr;
    QTableView *m_grid = nullptr;
    ExclusionGridModel *m_model = nullptr;
    QLabel *m_pairsHeading = nullptr;
    QListWidget *m_pairs = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_clear = nullptr;
};
