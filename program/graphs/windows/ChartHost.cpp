#include "ChartHost.h"

#include "ComLoader.h"
#include "FrmPrintOut.h"

#include <QLabel>

namespace {

constexpr const char* kChartProgId = "ZENT.ZENTCtrl.1";

} // namespace

ChartHost::~ChartHost() {
    if (control_.dispatch && program::PrintChart == control_.dispatch)
        program::PrintChart = nullptr;
}

QWidget* ChartHost::Create(QWidget* window) {
    const automation::HRESULT hr = automation::CreateControl(kChartProgId, window, control_);
    if (automation::Succeeded(hr) && control_.widget)
        return control_.widget;
    control_ = {};
    return new QLabel(QStringLiteral("The chart control ZENT is not registered."));
}

void ChartHost::Load(const StoredChart& state) {
    if (control_.persist != nullptr)
        control_.persist->Load(state.data, state.size);
}
