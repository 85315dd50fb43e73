#include "CMSFlexGrid.h"

#include "MemoryRoom.h"
#include "PageDialogs.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>

#include <new>

namespace pages {

namespace {
constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch

std::int64_t Key(int row, int column) {
    return (static_cast<std::int64_t>(row) << 32) | static_cast<std::uint32_t>(column);
}

// Row 0 holds the headers and column 0 the row numbers: neither is ever the current cell.
bool IsFixed(const QModelIndex& index) {
    return index.isValid() && (index.row() < 1 || index.column() < 1);
}

const QColor kFixedBack(0xC0, 0xC0, 0xC0);

// The view's headers keep a few bytes for every row and column, in lists they grow by copying, and
// cannot fail gracefully when that memory is not there: it is checked before they are sized.
bool HaveRoomForSections(int sections) {
    constexpr std::size_t kBytesPerSection = 16;
    constexpr std::size_t kFixedBytes = 4u << 20;
    return memory::HaveRoomFor(static_cast<std::size_t>(std::max(sections, 0)) * kBytesPerSection +
                               kFixedBytes);
}

// Every way a cell becomes current (mouse, keys, the page) passes here.
class FlexGridSelection : public QItemSelectionModel {
public:
    using QItemSelectionModel::QItemSelectionModel;
    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
        if (!IsFixed(index)) {
            QItemSelectionModel::setCurrentIndex(index, command);
        }
    }
};
} // namespace

class FlexGridModel : public QAbstractTableModel {
public:
    int rows = 0;
    int columns = 0;
    CMSFlexGrid::CellSource source;
    std::unordered_map<std::int64_t, QString> texts;
    std::unordered_map<std::int64_t, QColor> backs;
    std::unordered_map<std::int64_t, QColor> fores;

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : columns; }

    QString Text(int row, int column) const {
        const auto written = texts.find(Key(row, column));
        if (written != texts.end()) {
            return written->second;
        }
        return source ? source(row, column) : QString();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        const std::int64_t key = Key(index.row(), index.column());
        if (role == Qt::DisplayRole) {
            return Text(index.row(), index.column());
        }
        const auto& colours = role == Qt::BackgroundRole ? backs : fores;
        if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
            const auto found = colours.find(key);
            if (found != colours.end()) {
                return found->second;
            }
            if (IsFixed(index)) {
                return role == Qt::BackgroundRole ? kFixedBack : QColor(Qt::black);
            }
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return IsFixed(index) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    void Changed(int row, int column) {
        const QModelIndex at = index(row, column);
        emit dataChanged(at, at);
    }

    void Reset(int newRows, int newColumns) {
        beginResetModel();
        rows = std::max(newRows, 0);
        columns = std::max(newColumns, 0);
        endResetModel();
    }
};

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent), model_(std::make_unique<FlexGridModel>()) {
    setModel(model_.get());
    QItemSelectionModel* defaultSelection = selectionModel();
    setSelectionModel(new FlexGridSelection(model_.get(), this));
    delete defaultSelection;
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Rows as tight as a spreadsheet's, so the page shows many of them.
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell is marked by its own colours only; a selection colour would cover them.
    setSelectionMode(QAbstractItemView::NoSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (onCurrentCellChanged) {
                    onCurrentCellChanged(current.row(), current.column(), previous.row(), previous.column());
                }
            });
}

CMSFlexGrid::~CMSFlexGrid() {
    QItemSelectionModel* selection = selectionModel();
    setModel(nullptr);
    delete selection; // it watches model_, which goes first
}

int CMSFlexGrid::Rows() const {
    return model_->rows;
}

void CMSFlexGrid::SetRows(int rows) {
    if (!HaveRoomForSections(rows)) {
        throw std::bad_alloc();
    }
    model_->Reset(rows, model_->columns);
}

int CMSFlexGrid::Cols() const {
    return model_->columns;
}

void CMSFlexGrid::SetCols(int columns) {
    if (!HaveRoomForSections(columns)) {
        throw std::bad_alloc();
    }
    model_->Reset(model_->rows, columns);
}

void CMSFlexGrid::SetRow(int row) {
    SetCurrentCell(row, std::max(Col(), 1));
}

void CMSFlexGrid::SetCol(int column) {
    SetCurrentCell(std::max(Row(), 1), column);
}

void CMSFlexGrid::SetCurrentCell(int row, int column) {
    if (row < 0 || column < 0) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row, column), QItemSelectionModel::NoUpdate);
}

int CMSFlexGrid::HeightForRows(int rows) const {
    return rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
}

void CMSFlexGrid::SetText(const QString& text) {
    SetTextMatrix(Row(), Col(), text);
}

QString CMSFlexGrid::TextMatrix(int row, int column) const {
    if (row < 0 || column < 0 || row >= model_->rows || column >= model_->columns) {
        return QString();
    }
    return model_->Text(row, column);
}

void CMSFlexGrid::SetTextMatrix(int row, int column, const QString& text) {
    if (row < 0 || column < 0 || row >= model_->rows || column >= model_->columns) {
        return;
    }
    model_->texts[Key(row, column)] = text;
    model_->Changed(row, column);
}

void CMSFlexGrid::SetBackColorSel(std::int32_t color) {
    QPalette p = palette();
    p.setColor(QPalette::Highlight, ColorFromRef(color));
    setPalette(p);
}

void CMSFlexGrid::SetCellBackColor(std::int32_t color) {
    if (Row() >= 0 && Col() >= 0) {
        model_->backs[Key(Row(), Col())] = ColorFromRef(color);
        model_->Changed(Row(), Col());
    }
}

void CMSFlexGrid::SetCellForeColor(std::int32_t color) {
    if (Row() >= 0 && Col() >= 0) {
        model_->fores[Key(Row(), Col())] = ColorFromRef(color);
        model_->Changed(Row(), Col());
    }
}

void CMSFlexGrid::SetCellColors(int row, int column, std::int32_t back, std::int32_t fore) {
    if (row < 0 || column < 0 || row >= model_->rows || column >= model_->columns) {
        return;
    }
    model_->backs[Key(row, column)] = ColorFromRef(back);
    model_->fores[Key(row, column)] = ColorFromRef(fore);
    model_->Changed(row, column);
}

QColor CMSFlexGrid::CellBackColor(int row, int column) const {
    const auto found = model_->backs.find(Key(row, column));
    return found == model_->backs.end() ? QColor() : found->second;
}

void CMSFlexGrid::SetColWidth(int column, int twips) {
    if (column < 0 || column >= model_->columns) {
        return;
    }
    widths_[column] = twips;
    setColumnHidden(column, twips == 0);
    if (twips > 0) {
        setColumnWidth(column, twips / kTwipsPerPixel);
    } else if (twips < 0) {
        setColumnWidth(column, horizontalHeader()->defaultSectionSize());
    }
}

int CMSFlexGrid::ColWidth(int column) const {
    const auto found = widths_.find(column);
    return found == widths_.end() ? -1 : found->second;
}

void CMSFlexGrid::Clear() {
    model_->texts.clear();
    model_->backs.clear();
    model_->fores.clear();
    model_->Reset(model_->rows, model_->columns);
}

void CMSFlexGrid::SetCellSource(CellSource source) {
    model_->source = std::move(source);
    model_->Reset(model_->rows, model_->columns);
}

} // namespace pages
