#include "GraphFormBase.h"

#include "ArchiveRun.h"
#include "ChartConstants.h"
#include "ComLoader.h"
#include "FrmPrintOut.h"
#include "LostFocusFilter.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ModCalculations.h"
#include "ModMain.h"
#include "NumberText.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kChartProgId = "ZENT.ZENTCtrl.1";

GraphFormBase::FileChooser g_fileChooser;
GraphFormBase::CommentAsker g_commentAsker;

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* TextBox(const char* name, const char* text, InputBox kind) {
    auto* box = Named(new QLineEdit(QString::fromLatin1(text)), name);
    box->setMaximumWidth(110);
    box->setToolTip(QString::fromLatin1(GraphBoxTooltip(kind)));
    return box;
}

QComboBox* List(const char* name, const QStringList& items) {
    auto* list = Named(new QComboBox, name);
    list->addItems(items);
    list->setToolTip(QStringLiteral("Select From List"));
    return list;
}

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QString DefaultFileQuestion(GraphFormBase::FileQuestion question, QWidget* owner) {
    if (question == GraphFormBase::FileQuestion::SaveMetafile)
        return QFileDialog::getSaveFileName(owner, QString(), ProgramFolder(),
                                            QStringLiteral("Windows Meta File (*.wmf *.WMF)"), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    // A new archive file is created with its tables, so the dialog must allow a new name.
    return QFileDialog::getSaveFileName(owner, QString(), ProgramFolder(),
                                        QStringLiteral("*.mdb (*.mdb *.MDB)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::optional<QString> DefaultComment(QWidget* owner) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner, QString::fromLatin1(kArchiveCommentTitle),
                                               QString::fromLatin1(kArchiveCommentPrompt), QLineEdit::Normal,
                                               QString::fromLatin1(kArchiveCommentDefault), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

void GraphFormBase::SetFileChooserForTest(FileChooser chooser) {
    g_fileChooser = std::move(chooser);
}

void GraphFormBase::SetCommentAskerForTest(CommentAsker asker) {
    g_commentAsker = std::move(asker);
}

GraphFormBase::GraphFormBase(const char* objectName, const char* archiveButtonName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setModal(true);
    ui_.archiveButton = Named(new QPushButton(QStringLiteral("Add to Archive")), archiveButtonName);
}

GraphFormBase::~GraphFormBase() {
    // The print dialog must not keep a chart that goes with this window.
    if (chart_.dispatch && program::PrintChart == chart_.dispatch)
        program::PrintChart = nullptr;
}

QGridLayout* GraphFormBase::BuildCommon(const QString& caption, const char* chartName) {
    setWindowTitle(caption);
    Controls& u = ui_;
    u.txtFreq = TextBox("txtFreq", "150.0", InputBox::Frequency);
    u.txthb = TextBox("txthb", "30", InputBox::BaseHeight);
    u.txthm = TextBox("txthm", "1", InputBox::MobileHeight);
    u.txtPctTime = TextBox("txtPctTime", "50", InputBox::PctTime);
    u.txtPctLoc = TextBox("txtPctLoc", "50", InputBox::PctLoc);
    u.cmbareatype =
        List("cmbareatype", {QStringLiteral("Urban"), QStringLiteral("Suburban"), QStringLiteral("Open")});
    u.cmbcitysize = List("cmbcitysize", {QStringLiteral("Small/Medium"), QStringLiteral("Large")});
    u.lblBaseAntenna = Named(new QLabel(QStringLiteral("Base Antenna")), "lblBaseAntenna");
    u.Label10 = Named(new QLabel(QStringLiteral("m")), "Label10");
    u.Label11 = Named(new QLabel(QStringLiteral("m")), "Label11");
    u.cmdUpdateGraph = Named(new QPushButton(QStringLiteral("Update Graph")), "cmdUpdateGraph");
    u.cmdUpdateGraph->setToolTip(QStringLiteral("Replot The Graph "));
    u.cmdUpdateGraph->setIconSize(QSize(32, 32));
    u.cmdPrintGraph = Named(new QPushButton(QStringLiteral("Print Graph")), "cmdPrintGraph");
    u.archiveButton->hide();

    auto* grid = new QGridLayout;
    const struct {
        QWidget* caption;
        QWidget* box;
        const char* unit;
        QLabel* unitLabel;
    } rows[] = {
        {new QLabel(QStringLiteral("Frequency")), u.txtFreq, "MHz", nullptr},
        {u.lblBaseAntenna, u.txthb, nullptr, u.Label10},
        {new QLabel(QStringLiteral("Mobile Antenna")), u.txthm, nullptr, u.Label11},
        {new QLabel(QStringLiteral("Percent of Time")), u.txtPctTime, "%", nullptr},
        {new QLabel(QStringLiteral("Percent of Loc")), u.txtPctLoc, "%", nullptr},
        {new QLabel(QStringLiteral("Area")), u.cmbareatype, nullptr, nullptr},
        {new QLabel(QStringLiteral("City Size")), u.cmbcitysize, nullptr, nullptr},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(r.caption, row, 0);
        grid->addWidget(r.box, row, 1);
        if (r.unitLabel)
            grid->addWidget(r.unitLabel, row, 2);
        else if (r.unit)
            grid->addWidget(new QLabel(QString::fromLatin1(r.unit)), row, 2);
        ++row;
    }

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addWidget(u.cmdUpdateGraph);
    left->addWidget(u.cmdPrintGraph);
    left->addWidget(u.archiveButton);
    left->addStretch();

    const automation::HRESULT hr = automation::CreateControl(kChartProgId, this, chart_);
    if (automation::Succeeded(hr) && chart_.widget) {
        u.chartWidget = chart_.widget;
    } else {
        chart_ = {};
        u.chartWidget = new QLabel(QStringLiteral("The chart control ZENT is not registered."));
    }
    u.chartWidget->setObjectName(QString::fromLatin1(chartName));
    // Wide enough for title line 2 in the chart's own face: a metafile of the chart keeps the
    // line whole wherever it is shown, without a narrow face that another machine may lack.
    u.chartWidget->setMinimumSize(700, 420);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(u.chartWidget, 1);
    auto* outer = new QVBoxLayout(this);
    u.menuBar = new QMenuBar(this);
    outer->setMenuBar(u.menuBar);
    outer->addLayout(body);
    lostFocus_ = new LostFocusFilter(this);
    return grid;
}

QMenu* GraphFormBase::AddMenu(const char* name, const char* caption) {
    QMenu* menu = ui_.menuBar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* GraphFormBase::AddItem(QMenu* menu, const char* name, const char* caption, bool checkable) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(checkable);
    return item;
}

void GraphFormBase::AddUnitsMenu() {
    QMenu* units = AddMenu("mnuUnits", "&Units");
    ui_.mnuUnitsMetric = AddItem(units, "mnuUnitsMetric", "&Metric", true);
    ui_.mnuUnitsEnglish = AddItem(units, "mnuUnitsEnglish", "&English", true);
    ui_.mnuUnitsMetric->setChecked(true);
}

void GraphFormBase::ConnectCommon() {
    Controls& u = ui_;
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

void GraphFormBase::LoadStoredChart(const StoredChart& state) {
    if (chart_.persist != nullptr)
        chart_.persist->Load(state.data, state.size);
}

void GraphFormBase::LoadButtonPictures() {
    // A missing bitmap leaves the button without a picture; the caption still says what it does.
    const auto load = [](const char* name) {
        const QString path = ProgramFolder() + QLatin1Char('/') + QLatin1String(name);
        return QFile::exists(path) ? QIcon(path) : QIcon();
    };
    good_ = load("goodbutton.bmp");
    bad_ = load("badbutton.bmp");
}

void GraphFormBase::MarkStale() {
    stale_ = true;
    ui_.cmdUpdateGraph->setIcon(bad_);
}

void GraphFormBase::MarkCurrent() {
    stale_ = false;
    ui_.cmdUpdateGraph->setIcon(good_);
}

GraphInputs GraphFormBase::Inputs() const {
    GraphInputs in;
    in.freq = Std(ui_.txtFreq->text());
    in.hb = Std(ui_.txthb->text());
    in.hm = Std(ui_.txthm->text());
    in.pctTime = Std(ui_.txtPctTime->text());
    in.pctLoc = Std(ui_.txtPctLoc->text());
    in.area = Std(ui_.cmbareatype->currentText());
    in.city = Std(ui_.cmbcitysize->currentText());
    in.english = ui_.mnuUnitsEnglish->isChecked();
    in.maxDistanceKm = maxDistanceKm_;
    return in;
}

void GraphFormBase::ValidateBox(QLineEdit* box, InputBox kind) {
    const GraphBoxCheck check = ValidateGraphBox(kind, Std(box->text()), ui_.mnuUnitsEnglish->isChecked());
    if (!check.message.empty())
        msgbox::MsgBox(QString::fromStdString(check.message), msgbox::vbOKOnly, QString(), this);
    box->setText(QString::fromStdString(check.text));
    MarkStale();
}

void GraphFormBase::txtFreq_LostFocus() {
    ValidateBox(ui_.txtFreq, InputBox::Frequency);
}
void GraphFormBase::txthb_LostFocus() {
    ValidateBox(ui_.txthb, InputBox::BaseHeight);
}
void GraphFormBase::txthm_LostFocus() {
    ValidateBox(ui_.txthm, InputBox::MobileHeight);
}
void GraphFormBase::txtPctTime_LostFocus() {
    ValidateBox(ui_.txtPctTime, InputBox::PctTime);
}
void GraphFormBase::txtPctLoc_LostFocus() {
    ValidateBox(ui_.txtPctLoc, InputBox::PctLoc);
}

void GraphFormBase::ValidateBeforeReading() {
    const std::pair<QLineEdit*, InputBox> boxes[] = {
        {ui_.txtFreq, InputBox::Frequency},  {ui_.txthb, InputBox::BaseHeight},
        {ui_.txthm, InputBox::MobileHeight}, {ui_.txtPctTime, InputBox::PctTime},
        {ui_.txtPctLoc, InputBox::PctLoc},
    };
    for (const auto& [box, kind] : boxes) {
        if (box->hasFocus() || !numtext::StrictNumber(Std(box->text())))
            ValidateBox(box, kind);
    }
}

void GraphFormBase::cmbareatype_Click() {
    MarkStale();
    if (ui_.cmbareatype->currentText() == QLatin1String("Urban")) {
        ui_.cmbcitysize->setEnabled(true);
    } else {
        ui_.cmbcitysize->setEnabled(false);
        ui_.cmbcitysize->setCurrentText(QStringLiteral("Small/Medium"));
    }
}

void GraphFormBase::FollowUnits(Units units) {
    const bool english = units == Units::English;
    ui_.mnuUnitsMetric->setChecked(!english);
    ui_.mnuUnitsEnglish->setChecked(english);
    ui_.Label10->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    ui_.Label11->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    // The heights come from the main window, which has just converted its own.
    if (MainForm* main = MainForm::Instance()) {
        const MainInputs m = main->Inputs();
        ui_.txthb->setText(m.hb);
        ui_.txthm->setText(m.hm);
    }
}

void GraphFormBase::CopyInputsFrom(MainForm& main) {
    const MainInputs m = main.Inputs();
    ui_.txthm->setText(m.hm);
    ui_.txthb->setText(m.hb);
    ui_.txtFreq->setText(m.freq);
    ui_.txtPctTime->setText(m.pctTime);
    ui_.txtPctLoc->setText(m.pctLoc);
    ui_.cmbareatype->setCurrentText(m.area);
    ui_.cmbcitysize->setCurrentText(m.city);
    const bool english = m.english;
    ui_.mnuUnitsMetric->setChecked(!english);
    ui_.mnuUnitsEnglish->setChecked(english);
    const Units units = english ? Units::English : Units::Metric;
    ui_.Label10->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    ui_.Label11->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
}

void GraphFormBase::CopyInputsTo(MainForm& main) const {
    MainInputs m = main.Inputs();
    m.hm = ui_.txthm->text();
    m.hb = ui_.txthb->text();
    m.freq = ui_.txtFreq->text();
    m.area = ui_.cmbareatype->currentText();
    m.city = ui_.cmbcitysize->currentText();
    m.pctTime = ui_.txtPctTime->text();
    m.pctLoc = ui_.txtPctLoc->text();
    main.SetInputs(m);
}

QString GraphFormBase::AskFile(FileQuestion question) {
    return g_fileChooser ? g_fileChooser(question, this) : DefaultFileQuestion(question, this);
}

void GraphFormBase::mnuFileSave_Click() {
    if (!chart())
        return;
    const QString name = AskFile(FileQuestion::SaveMetafile);
    if (name.isEmpty())
        return;
    if (QFile::exists(name) && msgbox::MsgBox(QStringLiteral("File already exits.  Overwrite It?"),
                                              msgbox::vbYesNo, QString(), this) == msgbox::vbNo)
        return;
    automation::Variant result;
    automation::HRESULT hr = automation::S_OK;
    {
        WaitCursor wait;
        hr = chart()->Invoke(chartid::SavePageMeta, automation::InvokeKind::Method,
                             {automation::Variant::I2(chartcode::kMetafileToFile),
                              automation::Variant::Str(name.toStdString())},
                             &result);
    }
    const bool saved = automation::Succeeded(hr) && result.vt() == automation::VT_BOOL && result.AsBool();
    if (!saved)
        msgbox::MsgBox(QStringLiteral("Error in saving file ") + name, msgbox::vbCritical,
                       QStringLiteral("File Save"), this);
}

void GraphFormBase::cmdPrintGraph_Click() {
    program::PrintChart = chart();
    FrmPrintOut::ShowFor(this);
}

void GraphFormBase::mnuFilePrint_Click() {
    cmdPrintGraph_Click();
}

void GraphFormBase::mnuFilePrintSetup_Click() {
    if (chart())
        chart()->Invoke(chartid::PrinterSetup, automation::InvokeKind::Method, {}, nullptr);
}

void GraphFormBase::CopyToReportLog() {
    if (!chart())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    chart()->Invoke(chartid::CopyToClipboard, automation::InvokeKind::Method, {}, nullptr);
    // The log takes the chart as a bitmap, whatever other forms the control offered; the window
    // keeps it as its own picture.
    const QImage picture = clipboard->image();
    if (!picture.isNull()) {
        background_ = picture;
        // Labels stay readable on the picture, each on its own ground.
        for (QLabel* label : findChildren<QLabel*>())
            if (!ui_.chartWidget->isAncestorOf(label) && label != ui_.chartWidget)
                label->setAutoFillBackground(true);
        update();
        clipboard->setImage(picture);
    }
    ReportLog().PasteClipboard();
    ReportLog().AddLine(QStringLiteral("[Clip Board Image]"));
}

void GraphFormBase::AddToArchive(bool fieldStrength) {
    ValidateBeforeReading();
    if (program::ArchiveDbPath.isEmpty()) {
        const QString name = AskFile(FileQuestion::ArchiveDatabase);
        if (name.isEmpty() || name.contains(QLatin1Char('*'))) {
            msgbox::MsgBox(QString::fromLatin1(kArchiveRefusedMessage), msgbox::vbOKOnly,
                           QString::fromLatin1(kArchiveRefusedTitle), this);
            program::ArchiveDbPath.clear();
            return;
        }
        program::ArchiveDbPath = name;
    }
    const std::optional<QString> answer = g_commentAsker ? g_commentAsker(this) : DefaultComment(this);
    const std::string comment = answer ? Std(*answer) : std::string();
    WaitCursor wait;
    const std::optional<ArchiveRun> run =
        MakeArchiveRun(Inputs(), fieldStrength, comment, QDateTime::currentDateTime(), PowerWatts);
    if (!run)
        return;
    const ArchiveResult result = WriteArchiveRun(program::ArchiveDbPath, *run);
    if (!result.ok) {
        // Another file may be chosen at the next try.
        program::ArchiveDbPath.clear();
        msgbox::MsgBox(result.message, msgbox::vbCritical, QString::fromLatin1(kArchiveRefusedTitle), this);
    }
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

void GraphFormBase::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!background_.isNull()) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), background_);
    }
}

std::tm GraphFormBase::Now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}
