// The data grid: a table view over a dataset, columns declared as the window's table gives them,
// the current row kept in step with the dataset's current row.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <functional>

class Dataset;

struct GridColumn {
    QString field;
    QString title;
    int width = 64;
    Qt::Alignment alignment = {};         // empty: numbers right, the rest left
    bool visible = true;
    QString displayFormat;                // for numbers, e.g. "#0.00#"
    bool titleBold = true;
    Qt::Alignment titleAlignment = Qt::AlignCenter;
};

class DatasetModel;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }

    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const;
    int columnCount() const;
    void setGridColumnWidth(int column, int width);
    int gridColumnWidth(int column) const;
    void setGridColumnVisible(int column, bool visible);
    bool gridColumnVisible(int column) const;

    // Cells typed into are written to the dataset (edit grids); read-only by default. Typing or F2
    // starts editing a cell; a value that does not suit a number field is refused with a message.
    // Down on the last row starts a new row, as the dataset's append does.
    void setEditable(bool editable);
    bool editable() const { return editable_; }
    // Writes the text of a cell being edited into the dataset now (before a button acts on it).
    // False when the text was refused (the cell is left as it was, the row still being edited).
    bool commitEdit();

    // A narrow column before the rows marks the current row: > browsing, I editing, * a new row.
    void setRowIndicator(bool on);
    bool rowIndicator() const;

    // Called for every cell before it is painted; may change its font and colours.
    using DrawHook = std::function<void(int recNo, const GridColumn& column, QStyleOptionViewItem& option)>;
    void setDrawHook(DrawHook hook) { drawHook_ = std::move(hook); }
    const DrawHook& drawHook() const { return drawHook_; }

    // Text of a shown cell (1-based row), as painted.
    QString cellText(int recNo, int column) const;

signals:
    void dblClick();
    // The current column changed: colExit for the column left, then colEnter; colEnter also when
    // the grid receives the focus.
    void colEnter();
    void colExit();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void syncFromDataset();
    void applyColumnLayout();

    Dataset* dataset_ = nullptr;
    DatasetModel* model_;
    DrawHook drawHook_;
    bool syncing_ = false;
    bool editable_ = false;
    int lastColumn_ = 0; // kept across re-reads of the dataset
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setDataset(Dataset* dataset);
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return columns_; }
    GridColumn& column(int i) { return columns_[i]; }
    void setEditable(bool editable) { editable_ = editable; }
    void setRowIndicator(bool on) { indicator_ = on; }
    bool rowIndicator() const { return indicator_; }
    void clearRefused() { refused_ = false; }
    bool refused() const { return refused_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    QString displayText(int recNo, int column) const;

private:
    Dataset* dataset_ = nullptr;
    QList<GridColumn> columns_;
    QList<int> fieldIndex_;
    bool editable_ = false;
    bool indicator_ = false;
    bool refused_ = false; // a typed value was refused since clearRefused()
    void resolveFields();
    void indicatorChanged();
    // The typed text as the value of the field; throws DbError when it does not suit the field.
    QVariant typedValue(int column, const QString& text) const;
    QList<QMetaObject::Connection> connections_;
};
