#pragma once
// The identifiers under which containers find the control, its type library and its pages.

#include <array>

namespace zent {

constexpr const char* kTypeLibId = "{7E779A83-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kTypeLibVersion = "1.0";
constexpr const char* kTypeLibHelpFile = "ZENT.hlp";
constexpr const char* kDispatchInterfaceId = "{7E779A84-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kEventInterfaceId = "{7E779A85-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kControlClassId = "{7E779A86-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kControlProgId = "ZENT.ZENTCtrl.1";
constexpr const char* kUserTypeName = "ZENT Control";
constexpr int kRegistrationFlags = 3; // insertable, apartment threading
constexpr int kMiscStatus = 0x20191;

// In tab order: General, Axis, Axis Labels, Grids, Data, Simple Plots, Group Plots, Legend, Pie
// Chart, Print, Events.
constexpr std::array<const char*, 11> kPropertyPageIds = {
    "{7E779A87-B73D-11D0-A956-00C0F6A06F60}", "{CF083002-B827-11D0-8083-00C0F6A06FEA}",
    "{F844A122-B8D0-11D0-8083-00C0F6A06FEA}", "{23C93902-BA34-11D0-8083-00C0F6A06FEA}",
    "{5CFFA282-C09D-11D0-A956-00C0F6A06F60}", "{E4D2A443-BBBC-11D0-A956-00C0F6A06F60}",
    "{92729102-BFD7-11D0-A956-00C0F6A06F60}", "{6FA7A362-C52A-11D0-A956-00C0F6A06F60}",
    "{8A7ED4E2-C6C1-11D0-A956-00C0F6A06F60}", "{CE89F562-D2AC-11D0-A956-00C0F6A06F60}",
    "{5676D722-CC60-11D0-A956-00C0F6A06F60}",
};

} // namespace zent
