#pragma once
// The exchange hooks a control fills from its own operations. A template, so this library needs
// no link to the control: any control with these members adopts the pages with
//     pageTarget_ = std::make_unique<pages::CModelExchangeTarget>(Model(), pages::HooksForControl(*this));
// and forwards RefreshOpenPages and its property-frame request to that target.

#include "ModelExchangeTarget.h"

namespace pages {

template <typename Control> ExchangeHooks HooksForControl(Control& control) {
    ExchangeHooks hooks;
    hooks.rebuildGraph = [&control] { control.RebuildGraph(); };
    hooks.loadFromFile = [&control](const QString& path) { return control.LoadFromFile(path); };
    hooks.saveToFile = [&control](const QString& path) { return control.SaveToFile(path); };
    hooks.printPage = [&control] { control.PrintPage(); };
    hooks.printerSetup = [&control] { control.PrinterSetup(); };
    hooks.savePageMetaDefault = [&control] { control.SavePageMetaDefault(); };
    return hooks;
}

} // namespace pages
