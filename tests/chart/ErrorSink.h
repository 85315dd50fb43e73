#pragma once
// A container's sink that keeps each Error event the control fires and cancels its message box,
// and counts DrawReady.

#include "ControlEvents.h"
#include "StockEvents.h"

#include <Dispatch.h>

#include <functional>
#include <string>
#include <vector>

namespace zenttest {

class ErrorSink : public automation::IEventSink {
public:
    struct Error {
        int number;
        std::string text;
    };

    void OnEvent(automation::DISPID event, const std::vector<automation::Variant>& args) override {
        if (event == zent::kError && args.size() == 7) {
            errors.push_back({args[0].AsI2(), args[1].AsStr()});
            args[6].StoreThrough(automation::Variant::Bool(true));
        } else if (event == zent::kDrawReady) {
            ++drawReady;
            if (onDrawReady) {
                onDrawReady();
            }
        }
    }

    std::vector<Error> errors;
    int drawReady = 0;
    std::function<void()> onDrawReady;
};

} // namespace zenttest
