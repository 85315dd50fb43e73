#pragma once
// The control's interface as containers and stored streams know it, written down independently of
// the control's own tables: the scalar properties with their stream kinds and defaults, the indexed
// properties with their dispatch ids, value types and indices, and the order and kinds of the
// stream's array blobs. Tests check the control against these rows.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace charttest {

// Stream and value kinds: colours are longs on the interface and 4 bytes in the stream; pointer
// arrays are always stored empty.
enum class Kind { Long, Double, Bool, String, Colour, Pointer };

enum class Index { None, Axis, AxisPair, Title, Set, SetGroup, SetAnyGroup, SetPoint, SetPointGroup };

using Value = std::variant<std::int32_t, double, std::string>;

struct ScalarRow {
    int id;
    const char* name;
    Kind kind;
    Value byDefault;
};

struct PropertyRow {
    int id;
    const char* name;
    Kind type;
    Index index;
};

struct BlobRow {
    const char* name;
    Kind kind;
    int count; // elements of a default model
};

// 48 scalars in dispatch-id order, which is also their stream order.
const std::vector<ScalarRow>& ScalarRows();
// CurrentPlot, CurrentAxis and the 95 indexed properties.
const std::vector<PropertyRow>& PropertyRows();
const PropertyRow* FindPropertyRow(const std::string& name);
// The 96 single blobs in stream order, then the 11 nested families (32 blobs each, in set order).
const std::vector<BlobRow>& BlobRows();
const std::vector<BlobRow>& NestedFamilyRows();

// How many index arguments a property takes.
int IndexCount(Index index);

} // namespace charttest
