#include "GraphFormBase.h"

#include "ChartScrollArea.h"
#include "LostFocusFilter.h"
#include "MainForm.h"
#include "ModMain.h"
#include "NamedControls.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

GraphFormBase::GraphFormBase(const char* objectName, const char* archiveButtonName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setModal(true);
    ui_.archiveButton = Named(new QPushButton(QStringLiteral("Add to Archive")), archiveButtonName);
}

GraphFormBase::~GraphFormBase() = default;

QGridLayout* GraphFormBase::BuildCommon(const QString& caption, const char* chartName) {
    setWindowTitle(caption);
    Controls& u = ui_;
    QGridLayout* grid = inputs_.Build();
    grid_ = grid;
    u.cmdUpdateGraph = Named(new QPushButton(QStringLiteral("Update Graph")), "cmdUpdateGraph");
    u.cmdUpdateGraph->setToolTip(QStringLiteral("Replot The Graph "));
    u.cmdUpdateGraph->setIconSize(QSize(32, 32));
    stale_.Attach(u.cmdUpdateGraph);
    u.cmdPrintGraph = Named(new QPushButton(QStringLiteral("Print Graph")), "cmdPrintGraph");
    u.archiveButton->hide();

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addWidget(u.cmdUpdateGraph);
    left->addWidget(u.cmdPrintGraph);
    left->addWidget(u.archiveButton);
    left->addStretch();

    u.chartWidget = chart_.Create(this);
    u.chartWidget->setObjectName(QString::fromLatin1(chartName));
    // Wide enough for title line 2 in the chart's own face: a metafile of the chart keeps the
    // line whole wherever it is shown, without a narrow face that another machine may lack.
    u.chartWidget->setMinimumSize(700, 420);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(new ChartScrollArea(u.chartWidget), 1);
    auto* outer = new QVBoxLayout(this);
    u.menuBar = new QMenuBar(this);
    outer->setMenuBar(u.menuBar);
    outer->addLayout(body);
    lostFocus_ = new LostFocusFilter(this);
    return grid;
}

QMenu* GraphFormBase::AddMenu(const char* name, const char* caption) {
    return NamedMenu(ui_.menuBar, name, caption);
}

void GraphFormBase::AddUnitsMenu() {
    QMenu* units = AddMenu("mnuUnits", "&Units");
    ui_.mnuUnitsMetric = NamedItem(units, "mnuUnitsMetric", "&Metric", true);
    ui_.mnuUnitsEnglish = NamedItem(units, "mnuUnitsEnglish", "&English", true);
    ui_.mnuUnitsMetric->setChecked(true);
}

void GraphFormBase::OrderTabs() {
    std::vector<QWidget*> order;
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 0; column < grid_->columnCount(); ++column)
            if (QLayoutItem* item = grid_->itemAtPosition(row, column))
                if (QWidget* control = item->widget(); control && (control->focusPolicy() & Qt::TabFocus))
                    order.push_back(control);
    order.insert(order.end(), {ui_.cmdUpdateGraph, ui_.cmdPrintGraph, ui_.archiveButton, ui_.chartWidget});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void GraphFormBase::ConnectCommon() {
    Controls& u = ui_;
    // Rows a window adds below the shared ones come after them in the focus chain; the keyboard
    // passes every input before the buttons, as in the main window.
    OrderTabs();
    connect(u.cmdPrintGraph, &QPushButton::clicked, this, &GraphFormBase::cmdPrintGraph_Click);
    connect(u.cmbareatype, &QComboBox::currentIndexChanged, this, &GraphFormBase::cmbareatype_Click);
    connect(u.cmbcitysize, &QComboBox::currentIndexChanged, this, &GraphFormBase::MarkStale);
    // The main window converts its lengths first; the switch then reaches every window.
    connect(u.mnuUnitsMetric, &QAction::triggered, this, [this] {
        SetMetricUnits();
        FollowUnits(UnitSystem::Instance().Current());
    });
    connect(u.mnuUnitsEnglish, &QAction::triggered, this, [this] {
        SetEnglishUnits();
        FollowUnits(UnitSystem::Instance().Current());
    });
    connect(&UnitSystem::Instance(), &UnitSystem::unitsChanged, this, &GraphFormBase::FollowUnits);
    lostFocus_->Watch(u.txtFreq, [this] { txtFreq_LostFocus(); });
    lostFocus_->Watch(u.txthb, [this] { txthb_LostFocus(); });
    lostFocus_->Watch(u.txthm, [this] { txthm_LostFocus(); });
    lostFocus_->Watch(u.txtPctTime, [this] { txtPctTime_LostFocus(); });
    lostFocus_->Watch(u.txtPctLoc, [this] { txtPctLoc_LostFocus(); });
}

void GraphFormBase::CheckBox(InputBox box) {
    inputs_.Check(box, this);
    MarkStale();
}

void GraphFormBase::ValidateBeforeReading() {
    if (inputs_.CheckBeforeReading(this))
        MarkStale();
}

void GraphFormBase::cmbareatype_Click() {
    MarkStale();
    inputs_.FollowArea();
}

void GraphFormBase::FollowUnits(Units units) {
    const MainForm* main = MainForm::Instance();
    const MainInputs shown = main ? main->Inputs() : MainInputs();
    inputs_.FollowUnits(units, main ? &shown : nullptr);
}

void GraphFormBase::CopyInputsFrom(MainForm& main) {
    inputs_.CopyFrom(main.Inputs());
}

void GraphFormBase::CopyInputsTo(MainForm& main) const {
    MainInputs in = main.Inputs();
    inputs_.CopyTo(in);
    main.SetInputs(in);
}

void GraphFormBase::CopyToReportLog() {
    const QImage picture = outputs_.CopyToReportLog(chart());
    if (picture.isNull())
        return;
    background_ = picture;
    // Labels stay readable on the picture, each on its own ground.
    for (QLabel* label : findChildren<QLabel*>())
        if (!ui_.chartWidget->isAncestorOf(label) && label != ui_.chartWidget)
            label->setAutoFillBackground(true);
    update();
}

void GraphFormBase::AddToArchive(bool fieldStrength) {
    ValidateBeforeReading();
    outputs_.AddToArchive(Inputs(), fieldStrength);
}

void GraphFormBase::ToggleOnClick(QLabel* label) {
    toggleLabel_ = label;
    label->installEventFilter(this);
}

bool GraphFormBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toggleLabel_ && event->type() == QEvent::MouseButtonPress) {
        ui_.archiveButton->setVisible(ui_.archiveButton->isHidden());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void GraphFormBase::ShowArchiveButton() {
    ui_.archiveButton->setVisible(true);
    ui_.archiveButton->setEnabled(true);
}

void GraphFormBase::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void GraphFormBase::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}

void GraphFormBase::showEvent(QShowEvent* event) {
    // Qt opens a window at two thirds of its screen at most; a graph window takes the room its
    // chart needs, up to the screen less the frame, so the chart scrolls only on a screen too small
    // for it (1920 x 1080 at 200 %).
    if (!testAttribute(Qt::WA_Resized) && screen() != nullptr) {
        const QSize frame(16, 48);
        const QSize room = screen()->availableGeometry().size() - frame;
        QSize size = sizeHint();
        // A chart cut at the side shows its scroll bar below, and keeps its height whole if it can.
        if (size.width() > room.width())
            size.rheight() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        resize(size.boundedTo(room).expandedTo(minimumSizeHint()));
    }
    QDialog::showEvent(event);
}

void GraphFormBase::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!background_.isNull()) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), background_);
    }
}
