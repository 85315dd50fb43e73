#pragma once
// A chart control that records every dispatch call, with by-reference arguments read at the time
// of the call, and answers property gets with the last value put.

#include "ChartConstants.h"
#include "Dispatch.h"
#include "Variant.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct RecordedCall {
    automation::DISPID member;
    automation::InvokeKind kind;
    std::vector<automation::Variant> args; // by-reference arguments as the values they pointed at
    std::vector<bool> byRef;
    // As passed: by-reference ones compare by address; their targets may be gone after the call.
    std::vector<automation::Variant> raw;
    // DefineDataSet: the points the control would copy.
    std::vector<double> x, y;
};

class RecordingChart : public automation::IDispatch {
public:
    automation::HRESULT Invoke(automation::DISPID member, automation::InvokeKind kind,
                               const std::vector<automation::Variant>& args,
                               automation::Variant* result) override {
        RecordedCall call{member, kind, {}, {}, args, {}, {}};
        for (const auto& arg : args) {
            call.args.push_back(arg.Dereferenced());
            call.byRef.push_back(arg.IsByRef());
        }
        if (member == chartid::DefineDataSet && args.size() == 5) {
            const double* x = args[2].R8Target();
            const double* y = args[3].R8Target();
            const int n = args[4].AsI4();
            if (x != nullptr && y != nullptr && n > 0) {
                call.x.assign(x, x + n);
                call.y.assign(y, y + n);
            }
        }
        if (kind == automation::InvokeKind::PropertyPut && !call.args.empty()) {
            std::vector<automation::Variant> key(call.args.begin(), call.args.end() - 1);
            stored_[{member, Describe(key)}] = call.args.back();
        }
        if (kind == automation::InvokeKind::PropertyGet && result != nullptr) {
            const auto found = stored_.find({member, Describe(call.args)});
            *result = found != stored_.end() ? found->second : automation::Variant();
        }
        calls.push_back(std::move(call));
        return automation::S_OK;
    }

    // Calls of one member and kind, in order.
    std::vector<RecordedCall> Of(automation::DISPID member,
                                 automation::InvokeKind kind = automation::InvokeKind::PropertyPut) const {
        std::vector<RecordedCall> found;
        for (const auto& call : calls) {
            if (call.member == member && call.kind == kind) {
                found.push_back(call);
            }
        }
        return found;
    }

    // The last value put into an item of an indexed property, or into a scalar one (item -1).
    automation::Variant Value(automation::DISPID member, int item = -1) const {
        std::vector<automation::Variant> key;
        if (item >= 0) {
            key.push_back(automation::Variant::I4(item));
        }
        const auto found = stored_.find({member, Describe(key)});
        return found != stored_.end() ? found->second : automation::Variant();
    }

    std::vector<RecordedCall> calls;

private:
    static std::string Describe(const std::vector<automation::Variant>& values) {
        std::string text;
        for (const auto& value : values) {
            text += automation::Describe(value) + ";";
        }
        return text;
    }

    std::map<std::pair<automation::DISPID, std::string>, automation::Variant> stored_;
};

// "Put 139 I4 0, I4 3": one call in a form that reads well in a failure message. The point runs of
// DefineDataSet show as their first distance only ("X 1", "Y").
inline std::string Describe(const RecordedCall& call) {
    const char* kind = call.kind == automation::InvokeKind::Method        ? "Call "
                       : call.kind == automation::InvokeKind::PropertyGet ? "Get "
                                                                          : "Put ";
    std::string text = kind + std::to_string(call.member);
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        std::string arg = (call.byRef[i] ? "BYREF " : "") + automation::Describe(call.args[i]);
        if (call.member == chartid::DefineDataSet && i == 2) {
            arg = "X " + automation::Describe(call.args[i]).substr(3);
        } else if (call.member == chartid::DefineDataSet && i == 3) {
            arg = "Y";
        }
        text += (i == 0 ? " " : ", ") + arg;
    }
    return text;
}
