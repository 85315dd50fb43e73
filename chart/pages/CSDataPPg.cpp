#include "CSDataPPg.h"

#include "PageDialogs.h"
#include "PageLimits.h"

#include <MessageBox.h>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <new>

namespace pages {

namespace {

constexpr std::int32_t kCurrentBack = 0x7F0000; // dark blue
constexpr std::int32_t kCurrentText = 0xFFFFFF;
constexpr std::int32_t kPlainBack = 0xFFFFFF;
constexpr std::int32_t kPlainText = 0x000000;
constexpr std::int32_t kSelectionBack = 0x007F00; // dark green

bool IsPasteKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held == Qt::NoModifier) {
        return false;
    }
    return key.key() == Qt::Key_Insert || (key.key() == Qt::Key_0 && (key.modifiers() & Qt::KeypadModifier));
}

} // namespace

CSDataPPg::CSDataPPg(CPageExchangeTarget& target, QWidget* parent)
    : CPropertyPage(PageKind::Data, target, parent) {
    PageField& set = AddSpin(360, QStringLiteral("Dataset #"), GetMaxDataSets());
    // The number box shows the set; only the arrows choose another one.
    auto* setNumber = set.widget->findChild<QLineEdit*>();
    setNumber->setObjectName(ControlName(286));
    setNumber->setReadOnly(true);
    AddCheck(361, QStringLiteral("Enable"), ValueSlot(Data.enable));
    AddEdit(285, QStringLiteral("Name"), FieldKind::EditText, ValueSlot(Data.name));
    AddCombo(
        261, QStringLiteral("Data Type"),
        {QStringLiteral("Simple XY Data"), QStringLiteral("Group Data"), QStringLiteral("Pie Chart Data")},
        ValueSlot(Data.type));
    NextColumn();
    AddEdit(258, QStringLiteral("Number of Points"), FieldKind::EditLong, ValueSlot(Data.points),
            std::pair<double, double>{0, GetMaxDataPoints()});
    AddEdit(260, QStringLiteral("Number of Groups"), FieldKind::EditLong, ValueSlot(Data.groups),
            std::pair<double, double>{1, GetMaxGroups()});
    AddSection(QStringLiteral("Datafile"));
    AddButton(308, QStringLiteral("Import"), [this] { Refusable([this] { OnImport(); }); });
    AddButton(316, QStringLiteral("Export"), [this] { OnExport(); });
    cellEditor_ = new QLineEdit(this);
    cellEditor_->setObjectName(ControlName(259));
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(cellEditor_);
    editRow->addWidget(new QLabel(QStringLiteral("<-Edit"), this));
    editRow->addStretch(1);
    AddBelowColumns(editRow);
    grid_ = new CMSFlexGrid(this);
    grid_->setObjectName(ControlName(255));
    // The header row and ten data rows show whole.
    grid_->setMinimumHeight(grid_->HeightForRows(11));
    auto* gridRow = new QVBoxLayout;
    gridRow->addWidget(grid_);
    AddBelowColumns(gridRow, 1);
    grid_->installEventFilter(this);

    grid_->SetCellSource([this](int row, int column) { return Data.CellText(row, column); });
    grid_->onCurrentCellChanged = [this](int row, int column, int previousRow, int previousColumn) {
        OnCurrentCellChanged(row, column, previousRow, previousColumn);
    };
    connect(cellEditor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!gridReady_ || grid_->Row() < 1 || grid_->Col() < 1) {
            return;
        }
        grid_->SetText(text);
        cellEdited_ = true;
        SetModified();
    });
    connect(cellEditor_, &QLineEdit::editingFinished, this, [this] {
        if (gridReady_ && cellEdited_) {
            StoreCellText();
        }
    });
}

CSDataPPg::~CSDataPPg() {
    // The editor loses its focus and the grid its current cell while the base class destroys
    // them: this page is gone by then.
    disconnect(cellEditor_, nullptr, this, nullptr);
    grid_->onCurrentCellChanged = nullptr;
}

void CSDataPPg::StoreFields() {
    if (gridReady_ && cellEdited_) {
        StoreCellText();
    }
    CPropertyPage::StoreFields();
}

void CSDataPPg::StoreEdits() {
    if (cellEdited_) {
        StoreCellText();
    }
    Data.StoreKind(Data.type);
    Data.FitArrays(gridGroups_);
}

void CSDataPPg::ExchangeValues(CPageExchangeTarget& target, int save) {
    if (!save) {
        // A load shows the control's sets as they are now.
        edited_.clear();
        currentEdited_ = false;
        Data.set = static_cast<std::int16_t>(current_);
        target.ExchangeDataPage(this, Data.set, Data.enable, Data.name, Data.type, Data.points, Data.groups,
                                Data.x, Data.y, 0);
        RefreshGrid();
        return;
    }
    StoreEdits();
    RefreshGrid();
    if (currentEdited_) {
        edited_[current_] = Data;
    }
    // A set the user did not edit is not written back: the control keeps it exactly as it is.
    for (auto& [set, table] : edited_) {
        table.set = static_cast<std::int16_t>(set);
        target.ExchangeDataPage(this, table.set, table.enable, table.name, table.type, table.points,
                                table.groups, table.x, table.y, 1);
    }
    edited_.clear();
    currentEdited_ = false;
}

void CSDataPPg::OnComboChosen(int id) {
    Refusable([&] { ChooseKind(id); });
}

void CSDataPPg::ChooseKind(int id) {
    if (id == 261) {
        // What was typed stays; "Group Data" then needs a second group column at once.
        StoreFields();
        StoreEdits();
        RefreshGrid();
        LoadFields();
    }
}

void CSDataPPg::OnItemSpin(int value) {
    Refusable([&] { ChooseSet(value); });
    exchangeFlag_ = 1;
}

void CSDataPPg::ChooseSet(int value) {
    exchangeFlag_ = 0;
    if (!ValidateFields()) {
        // The refused value stays in its box to be corrected; the set stays.
        auto* spin = ControlAs<QSpinBox>(360);
        const QSignalBlocker blocker(spin);
        spin->setValue(current_);
        exchangeFlag_ = 1;
        return;
    }
    StoreFields();
    if (currentEdited_) {
        StoreEdits();
        edited_[current_] = Data;
    }
    const int chosen = ClampIndex(value, GetMaxDataSets());
    const auto kept = edited_.find(chosen);
    if (kept != edited_.end()) {
        Data = std::move(kept->second);
        edited_.erase(kept);
        currentEdited_ = true;
    } else {
        // Loaded whole or not at all: a set half copied must never be applied.
        DataSetTable loaded;
        loaded.set = static_cast<std::int16_t>(chosen);
        GetPageControl()->ExchangeDataPage(this, loaded.set, loaded.enable, loaded.name, loaded.type,
                                           loaded.points, loaded.groups, loaded.x, loaded.y, 0);
        Data = std::move(loaded);
        currentEdited_ = false;
    }
    current_ = chosen;
    RefreshGrid();
    LoadFields();
    exchangeFlag_ = 1;
}

void CSDataPPg::RefreshGrid() {
    gridReady_ = false;
    Data.points = static_cast<Long>(Data.x.size());
    gridGroups_ = Data.groups;
    cellEdited_ = false;
    try {
        FillGrid();
    } catch (const std::bad_alloc&) {
        // A grid the memory cannot hold shows its header only; the set keeps its values.
        grid_->SetCurrentCell(-1, -1);
        grid_->SetRows(1);
        grid_->show();
        gridReady_ = true;
        LoadFields();
        throw;
    }
    gridReady_ = true;
}

void CSDataPPg::Refusable(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::bad_alloc&) {
        msgbox::MsgBox(QStringLiteral("There is not enough memory to show the values of this data set."),
                       msgbox::vbExclamation, QString(), this);
    }
}

void CSDataPPg::FillGrid() {
    grid_->hide();
    const QSignalBlocker blocker(grid_);
    grid_->Clear();
    grid_->SetRows(Data.Rows());
    grid_->SetCols(Data.Columns());
    grid_->SetBackColorSel(kSelectionBack);
    // Cells show the set's values through the grid's cell source as they scroll into view.
    for (int c = 0; c < Data.Columns(); ++c) {
        grid_->SetColWidth(c, Data.ColumnWidth(c));
    }
    if (Data.Rows() > 1) {
        grid_->SetCurrentCell(1, 1);
        PaintCell(1, 1, true);
        ShowCellInEdit();
        cellEditor_->setFocus();
    } else {
        grid_->SetCurrentCell(-1, -1);
        cellEditor_->clear();
    }
    grid_->show();
}

void CSDataPPg::ShowCellInEdit() {
    const int row = grid_->Row();
    const int column = grid_->Col();
    if (row < 1 || column < 1) {
        return;
    }
    cellEditor_->setText(Data.EditText(row, column));
    cellEditor_->selectAll();
}

void CSDataPPg::StoreCellText() {
    StoreCellTextAt(grid_->Row(), grid_->Col());
}

void CSDataPPg::StoreCellTextAt(int row, int column) {
    cellEdited_ = false;
    QString cellText;
    if (Data.StoreCellText(row, column, cellEditor_->text(), cellText)) {
        grid_->SetTextMatrix(row, column, cellText);
        SetModified();
    }
}

void CSDataPPg::OnCurrentCellChanged(int row, int column, int previousRow, int previousColumn) {
    if (!gridReady_) {
        return;
    }
    // What was typed belongs to the cell it was typed for.
    if (cellEdited_) {
        StoreCellTextAt(previousRow, previousColumn);
    }
    PaintCell(previousRow, previousColumn, false);
    PaintCell(row, column, true);
    ShowCellInEdit();
}

void CSDataPPg::PaintCell(int row, int column, bool current) {
    grid_->SetCellColors(row, column, current ? kCurrentBack : kPlainBack,
                         current ? kCurrentText : kPlainText);
}

void CSDataPPg::OnImport() {
    const QString path = ChooseFile({false, QStringLiteral("*.TXT"), QStringLiteral("*.TXT;*.ASC"),
                                     QStringLiteral("Text Files|*.TXT|ASCII Files|*.ASC||")},
                                    this);
    if (path.isEmpty()) {
        return;
    }
    LastFilePath = path;
    QString leftOut;
    if (Data.Import(path, &leftOut)) {
        SetModified();
    }
    RefreshGrid();
    LoadFields();
    if (!leftOut.isEmpty()) {
        msgbox::MsgBox(leftOut, msgbox::vbExclamation, QString(), this);
    }
}

void CSDataPPg::OnExport() {
    const QString path = ChooseFile({true, QString(), QString(), QString()}, this);
    if (path.isEmpty()) {
        return;
    }
    LastFilePath = path;
    if (!Data.Export(path)) {
        ReportUnsavedFile(path);
    }
}

void CSDataPPg::OnPaste() {
    if (Data.Paste()) {
        SetModified();
        RefreshGrid();
        LoadFields();
    }
}

bool CSDataPPg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress &&
        IsPasteKey(*static_cast<QKeyEvent*>(event))) {
        Refusable([this] { OnPaste(); });
        return true;
    }
    return CPropertyPage::eventFilter(watched, event);
}

} // namespace pages
