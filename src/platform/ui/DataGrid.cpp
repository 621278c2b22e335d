// The data grid: a table view over a dataset, columns declared as the window's table gives them,
// the current row kept in step with the dataset's current row.
#include "DataGrid.h"

#include "Guard.h"
#include "platform/Format.h"
#include "platform/data/Dataset.h"
#include "platform/data/DbError.h"

#include <cmath>

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

bool isNumeric(FieldType t)
{
    return t == FieldType::Integer || t == FieldType::LargeInt || t == FieldType::Float || t == FieldType::Numeric;
}

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (grid_->drawHook() && index.column() < grid_->columns().size())
            grid_->drawHook()(index.row() + 1, grid_->columns()[index.column()], *option);
    }

private:
    DataGrid* grid_;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// DatasetModel

void DatasetModel::setDataset(Dataset* dataset)
{
    beginResetModel();
    for (const auto& c : connections_) disconnect(c);
    connections_.clear();
    dataset_ = dataset;
    if (dataset_) {
        connections_ << connect(dataset_, &Dataset::rowsChanged, this, [this] {
            beginResetModel();
            resolveFields();
            endResetModel();
        });
        connections_ << connect(dataset_, &Dataset::rowChanged, this, [this](int recNo) {
            if (recNo >= 1 && recNo <= rowCount())
                emit dataChanged(index(recNo - 1, 0), index(recNo - 1, columnCount() - 1));
        });
        connections_ << connect(dataset_, &Dataset::currentChanged, this, [this] { indicatorChanged(); });
        connections_ << connect(dataset_, &Dataset::stateChanged, this, [this] { indicatorChanged(); });
        connections_ << connect(dataset_, &QObject::destroyed, this, [this] {
            beginResetModel();
            dataset_ = nullptr;
            connections_.clear();
            endResetModel();
        });
    }
    resolveFields();
    endResetModel();
}

void DatasetModel::setColumns(const QList<GridColumn>& columns)
{
    beginResetModel();
    columns_ = columns;
    resolveFields();
    endResetModel();
}

void DatasetModel::resolveFields()
{
    fieldIndex_.clear();
    for (const GridColumn& c : columns_) fieldIndex_ << (dataset_ ? dataset_->fieldIndex(c.field) : -1);
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !dataset_ || !dataset_->active()) return 0;
    return dataset_->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QString DatasetModel::displayText(int recNo, int column) const
{
    if (!dataset_ || column < 0 || column >= columns_.size()) return {};
    const int f = fieldIndex_.value(column, -1);
    if (f < 0) return {};
    const QVariant v = dataset_->valueAt(recNo, f);
    const FieldType type = dataset_->fieldType(f);
    if (!columns_[column].displayFormat.isEmpty() && !v.isNull() && isNumeric(type)) {
        double d = 0;
        if (tryStrToFloat(v.toString(), d) || v.canConvert<double>()) return formatFloat(columns_[column].displayFormat, v.toDouble());
    }
    QString text = Dataset::valueText(v, type);
    // A fixed-length text comes back padded with blanks; the pad is not part of what the grid shows.
    if (type == FieldType::FixedChar) {
        while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    }
    return text;
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !dataset_) return {};
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return displayText(index.row() + 1, col);
    case Qt::TextAlignmentRole: {
        const GridColumn& c = columns_[col];
        if (c.alignment) return int(c.alignment | Qt::AlignVCenter);
        const int f = fieldIndex_.value(col, -1);
        const bool right = f >= 0 && isNumeric(dataset_->fieldType(f));
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

void DatasetModel::indicatorChanged()
{
    if (indicator_ && rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole || !indicator_ || !dataset_ || section != dataset_->recNo() - 1) return {};
        switch (dataset_->state()) {
        case Dataset::State::Edit: return QStringLiteral("I");
        case Dataset::State::Insert: return QStringLiteral("*");
        default: return QStringLiteral("\u25BA");
        }
    }
    if (section < 0 || section >= columns_.size()) return {};
    const GridColumn& c = columns_[section];
    switch (role) {
    case Qt::DisplayRole:
        return c.title;
    case Qt::FontRole: {
        QFont f;
        f.setBold(c.titleBold);
        return f;
    }
    case Qt::TextAlignmentRole:
        return int(c.titleAlignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_) f |= Qt::ItemIsEditable;
    return f;
}

QVariant DatasetModel::typedValue(int column, const QString& text) const
{
    const int f = fieldIndex_.value(column, -1);
    if (text.isEmpty()) return QVariant();
    const FieldType type = dataset_->fieldType(f);
    if (!isNumeric(type)) return text;
    const QString title = columns_[column].title.trimmed();
    double d = 0;
    const bool number = tryStrToFloat(text, d);
    if (type == FieldType::Integer || type == FieldType::LargeInt) {
        if (!number || d != std::trunc(d) || std::fabs(d) > 9.2e18)
            throw DbError(QStringLiteral("'%1' - недопустимое целое значение поля '%2'").arg(text, title));
        return QVariant(qlonglong(d));
    }
    if (!number) throw DbError(QStringLiteral("'%1' - недопустимое число в поле '%2'").arg(text, title));
    return QVariant(d);
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !dataset_ || !editable_) return false;
    const int f = fieldIndex_.value(index.column(), -1);
    if (f < 0) return false;
    // Unchanged text (a cell left without typing) changes nothing.
    if (value.toString() == displayText(index.row() + 1, index.column())) return true;
    bool done = false;
    ui::guarded([&] {
        const QVariant typed = typedValue(index.column(), value.toString().trimmed());
        if (dataset_->recNo() != index.row() + 1) dataset_->setRecNo(index.row() + 1);
        if (dataset_->state() == Dataset::State::Browse) dataset_->edit();
        dataset_->field(f).setValue(typed);
        done = true;
    });
    if (!done) refused_ = true;
    return done;
}

// ---------------------------------------------------------------------------------------------
// DataGrid

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), model_(new DatasetModel(this))
{
    setModel(model_);
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { syncFromDataset(); });
}

void DataGrid::setDataset(Dataset* dataset)
{
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    model_->setDataset(dataset);
    if (dataset_) connect(dataset_, &Dataset::currentChanged, this, [this] { syncFromDataset(); });
    applyColumnLayout();
    syncFromDataset();
}

void DataGrid::setColumns(const QList<GridColumn>& columns)
{
    model_->setColumns(columns);
    applyColumnLayout();
}

const QList<GridColumn>& DataGrid::columns() const { return model_->columns(); }

int DataGrid::columnCount() const { return int(model_->columns().size()); }

void DataGrid::applyColumnLayout()
{
    const auto& cols = model_->columns();
    for (int i = 0; i < cols.size(); ++i) {
        setColumnWidth(i, cols[i].width);
        setColumnHidden(i, !cols[i].visible);
    }
}

void DataGrid::setGridColumnWidth(int column, int width)
{
    model_->column(column).width = width;
    setColumnWidth(column, width);
}

int DataGrid::gridColumnWidth(int column) const { return model_->columns().value(column).width; }

void DataGrid::setGridColumnVisible(int column, bool visible)
{
    model_->column(column).visible = visible;
    setColumnHidden(column, !visible);
}

bool DataGrid::gridColumnVisible(int column) const { return model_->columns().value(column).visible; }

void DataGrid::setEditable(bool editable)
{
    editable_ = editable;
    model_->setEditable(editable);
    // Typing, F2 or a double-click starts editing; moving to a cell only makes it current, so that
    // the dataset may be re-read while the current cell changes.
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                             : QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(editable ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
}

bool DataGrid::commitEdit()
{
    model_->clearRefused();
    if (state() != QAbstractItemView::EditingState) return true;
    const auto editors = viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* editor : editors) {
        if (editor->isHidden()) continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    return !model_->refused();
}

void DataGrid::setRowIndicator(bool on)
{
    model_->setRowIndicator(on);
    verticalHeader()->setVisible(on);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumWidth(on ? 14 : 0);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

bool DataGrid::rowIndicator() const { return model_->rowIndicator(); }

QString DataGrid::cellText(int recNo, int column) const { return model_->displayText(recNo, column); }

void DataGrid::syncFromDataset()
{
    if (syncing_) return;
    syncing_ = true;
    const int row = dataset_ && dataset_->active() ? dataset_->recNo() - 1 : -1;
    if (row >= 0 && row < model_->rowCount()) {
        int col = currentIndex().isValid() ? currentIndex().column() : lastColumn_;
        if (col < 0 || col >= model_->columnCount()) col = 0;
        while (col < model_->columnCount() - 1 && isColumnHidden(col)) ++col;
        setCurrentIndex(model_->index(row, col));
        if (selectionBehavior() == QAbstractItemView::SelectRows) selectRow(row);
        scrollTo(model_->index(row, col));
    } else {
        clearSelection();
    }
    syncing_ = false;
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid()) lastColumn_ = current.column();
    if (syncing_ || !dataset_ || !current.isValid()) return;
    if (current.row() + 1 != dataset_->recNo()) {
        syncing_ = true;
        ui::guarded([&] { dataset_->setRecNo(current.row() + 1); });
        syncing_ = false;
        // A row the database refused to write keeps the dataset where it was; so does the grid.
        if (current.row() + 1 != dataset_->recNo()) {
            syncFromDataset();
            return;
        }
    }
    if (previous.isValid() && current.column() != previous.column()) {
        emit colExit();
        emit colEnter();
    }
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore(); // never starts editing a cell; it belongs to the window
        return;
    }
    const bool atBottom = model_->rowCount() == 0 || currentIndex().row() == model_->rowCount() - 1;
    if (editable_ && dataset_ && dataset_->active() && event->key() == Qt::Key_Down
        && event->modifiers() == Qt::NoModifier && atBottom) {
        // Below the last row a new row starts, unless the last row is a new one nobody typed into.
        ui::guarded([&] {
            if (dataset_->state() != Dataset::State::Insert || dataset_->modified()) dataset_->append();
        });
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit colEnter();
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit dblClick();
}
