#pragma once
// How a container keeps a control's state with its own stored description: the control writes its
// whole persisted state as one stream of bytes (Save) and takes it back when the container creates
// it from that description (Load); a control inserted afresh gets its initial state (InitNew)
// instead. Containers reach this through the created instance, never through the control's class.

#include "Dispatch.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace automation {

class IPersistStreamInit {
public:
    virtual ~IPersistStreamInit() = default;
    // E_FAIL when the bytes are not a whole stream of the control's format; the control is then
    // unchanged. Bytes after the stream are the container's and are not read.
    virtual HRESULT Load(const std::uint8_t* data, std::size_t size) = 0;
    // Replaces stream with the control's persisted state.
    virtual HRESULT Save(std::vector<std::uint8_t>& stream) = 0;
    virtual HRESULT InitNew() = 0;
};

} // namespace automation
