#include "MainInputPanel.h"

#include "ControlColour.h"
#include "InputValidation.h"
#include "MessageBox.h"
#include "NamedControls.h"
#include "NumberText.h"
#include "ProgramState.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kWhite(255, 255, 255);

QLineEdit* InputTextBox(const char* name, const char* text, InputBox box) {
    return NamedTextBox(name, text, MainBoxBounds(box).tooltip);
}

double StrictValue(const QLineEdit* box) {
    return numtext::StrictNumber(box->text().toStdString()).value_or(0);
}

void SetIfDifferent(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

void SelectText(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    if (index >= 0)
        list->setCurrentIndex(index);
}

} // namespace

MainInputPanel::MainInputPanel(QWidget* parent) : QGroupBox(QStringLiteral("Input Parameters"), parent) {
    setObjectName(QStringLiteral("fraInputs"));
    freq_ = InputTextBox("txtFreq", "150.0", InputBox::Frequency);
    dist_ = InputTextBox("txtDist", "1", InputBox::Distance);
    hb_ = InputTextBox("txthb", "30", InputBox::BaseHeight);
    hm_ = InputTextBox("txthm", "1", InputBox::MobileHeight);
    area_ = NamedList("cmbareatype", {"Urban", "Suburban", "Open"}, "Select From List");
    city_ = NamedList("cmbcitysize", {"Small/Medium", "Large"}, "Select From List");
    pctTime_ = InputTextBox("txtPctTime", "50", InputBox::PctTime);
    pctLoc_ = InputTextBox("txtPctLoc", "50", InputBox::PctLoc);
    distUnit_ = Caption(QStringLiteral("Km"), "Label12");
    hbUnit_ = Caption(QStringLiteral("m"), "Label10");
    hmUnit_ = Caption(QStringLiteral("m"), "Label11");
    calculate_ = Named(new QPushButton(QStringLiteral("Calculate")), "cmdLossCalc");
    calculate_->setToolTip(QStringLiteral("Calculate Losses and Field Strengths"));
    helpRange_ = Caption(QString(), "lblHelpRange");
    helpRange_->setMinimumWidth(560);

    auto* grid = new QGridLayout(this);
    const struct {
        const char* caption;
        QWidget* control;
        QWidget* unit;
    } rows[] = {
        {"Frequency", freq_, Caption(QStringLiteral("MHz"))},
        {"Distance", dist_, distUnit_},
        {"Height of Base Station Antenna", hb_, hbUnit_},
        {"Height of Mobile Antenna", hm_, hmUnit_},
        {"Area", area_, nullptr},
        {"City Size", city_, nullptr},
        {"% of time", pctTime_, nullptr},
        {"% of Location", pctLoc_, nullptr},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(Caption(QString::fromLatin1(r.caption)), row, 0);
        grid->addWidget(r.control, row, 1);
        if (r.unit)
            grid->addWidget(r.unit, row, 2);
        ++row;
    }
    grid->addWidget(calculate_, 0, 3, 2, 1);
    grid->addWidget(helpRange_, row, 0, 1, 4);
}

QLineEdit* MainInputPanel::Box(InputBox box) const {
    switch (box) {
    case InputBox::Frequency:
        return freq_;
    case InputBox::BaseHeight:
        return hb_;
    case InputBox::Distance:
        return dist_;
    case InputBox::MobileHeight:
        return hm_;
    case InputBox::PctLoc:
        return pctLoc_;
    case InputBox::PctTime:
        break;
    }
    return pctTime_;
}

std::optional<InputBox> MainInputPanel::BoxOf(const QWidget* widget) const {
    for (InputBox box : {InputBox::Frequency, InputBox::BaseHeight, InputBox::Distance,
                         InputBox::MobileHeight, InputBox::PctLoc, InputBox::PctTime}) {
        if (Box(box) == widget)
            return box;
    }
    return std::nullopt;
}

bool MainInputPanel::CheckBox(InputBox kind, QWidget* owner) {
    QLineEdit* box = Box(kind);
    const ValidatedText result =
        ValidateInput(kind, box->text().toStdString(), UnitSystem::Instance().IsEnglish());
    if (!result.message.empty())
        msgbox::MsgBox(QString::fromStdString(result.message), msgbox::vbOKOnly, QString(), owner);
    box->setText(QString::fromStdString(result.text));
    return !result.message.empty();
}

bool MainInputPanel::CheckLengths(QWidget* owner) {
    bool told = false;
    for (InputBox box :
         {InputBox::Frequency, InputBox::BaseHeight, InputBox::MobileHeight, InputBox::Distance}) {
        if (!numtext::StrictNumber(Box(box)->text().toStdString()))
            told = CheckBox(box, owner) || told;
    }
    return told;
}

void MainInputPanel::FollowArea() {
    if (area_->currentText() == QLatin1String("Urban")) {
        city_->setEnabled(true);
        return;
    }
    city_->setEnabled(false);
    city_->setCurrentIndex(city_->findText(QStringLiteral("Small/Medium")));
}

void MainInputPanel::ShowRange(const RangeDisplay& r) {
    const bool english = UnitSystem::Instance().IsEnglish();
    const double f = StrictValue(freq_);
    const double hb = ToMetric(InputBox::BaseHeight, StrictValue(hb_), english);
    const double hm = ToMetric(InputBox::MobileHeight, StrictValue(hm_), english);
    const double d = ToMetric(InputBox::Distance, StrictValue(dist_), english);
    const std::pair<QLineEdit*, bool> marks[] = {
        {freq_, r.f__mhz.Outside(f)},
        {hb_, r.h_b__meter.Outside(hb)},
        {hm_, r.h_m__meter.Outside(hm)},
        {dist_, r.d__km.Outside(d)},
    };
    for (const auto& [box, outside] : marks) {
        if (outside)
            SetBackColor(box, program::OutOfRangeColour);
    }
    helpRange_->setText(QString::fromLatin1(r.text));
}

void MainInputPanel::EndRange() {
    for (QLineEdit* box : {freq_, hb_, hm_, dist_})
        SetBackColor(box, kWhite);
    helpRange_->setText(QString());
}

void MainInputPanel::ReadTexts(MainInputs& in) const {
    in.freq = freq_->text();
    in.dist = dist_->text();
    in.hb = hb_->text();
    in.hm = hm_->text();
    in.pctTime = pctTime_->text();
    in.pctLoc = pctLoc_->text();
    in.area = area_->currentText();
    in.city = city_->currentText();
}

void MainInputPanel::ShowTexts(const MainInputs& in) {
    SetIfDifferent(freq_, in.freq);
    SetIfDifferent(dist_, in.dist);
    SetIfDifferent(hb_, in.hb);
    SetIfDifferent(hm_, in.hm);
    SetIfDifferent(pctTime_, in.pctTime);
    SetIfDifferent(pctLoc_, in.pctLoc);
    area_->setCurrentText(in.area);
    city_->setCurrentText(in.city);
}

ShownInputs MainInputPanel::Shown() const {
    ShownInputs shown;
    shown.distShown = StrictValue(dist_);
    shown.freqMHz = StrictValue(freq_);
    shown.hbShown = StrictValue(hb_);
    shown.hmShown = StrictValue(hm_);
    shown.area = area_->currentText().toStdString();
    shown.city = city_->currentText().toStdString();
    shown.pctTime = numtext::Val(pctTime_->text().toStdString());
    shown.pctLoc = numtext::Val(pctLoc_->text().toStdString());
    shown.english = UnitSystem::Instance().IsEnglish();
    return shown;
}

void MainInputPanel::ResetDefaults() {
    freq_->setText(QStringLiteral("450.0"));
    dist_->setText(QStringLiteral("10.0"));
    hb_->setText(QStringLiteral("100.0"));
    hm_->setText(QStringLiteral("1.5"));
    for (UnitText& memory : lengthTexts_)
        memory.Forget();
    SelectText(area_, QStringLiteral("Urban"));
    SelectText(city_, QStringLiteral("Small/Medium"));
}

void MainInputPanel::ShowUnitCaptions(Units units) {
    hbUnit_->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    hmUnit_->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    distUnit_->setText(QString::fromLatin1(UnitSystem::DistanceCaption(units)));
}

void MainInputPanel::ConvertLengths(bool toEnglish) {
    const std::pair<InputBox, double> lengths[] = {
        {InputBox::BaseHeight, kMetresPerFoot},
        {InputBox::MobileHeight, kMetresPerFoot},
        {InputBox::Distance, kKmPerMile},
    };
    for (const auto& [kind, metricPerUnit] : lengths) {
        QLineEdit* box = Box(kind);
        const std::string text =
            lengthTexts_[MemoryIndex(kind)].Convert(box->text().toStdString(), metricPerUnit, toEnglish);
        box->setText(QString::fromStdString(text));
    }
}

int MainInputPanel::MemoryIndex(InputBox box) {
    if (box == InputBox::BaseHeight)
        return 0;
    if (box == InputBox::MobileHeight)
        return 1;
    return 2;
}

void MainInputPanel::RememberLength(InputBox box, const std::string& original, const std::string& shown) {
    lengthTexts_[MemoryIndex(box)].Remember(original, shown);
}

std::string MainInputPanel::OriginalLength(InputBox box) const {
    return lengthTexts_[MemoryIndex(box)].OriginalOf(Box(box)->text().toStdString());
}
