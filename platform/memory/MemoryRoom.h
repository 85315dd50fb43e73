#pragma once
// Some code cannot fail gracefully when an allocation fails: Qt's PDF engine writes its page in
// the painter's destructor, its item views size their headers without asking. Work handed to such
// code first checks that the memory it will take is there: a reserve taken and given back at once.

#include <cstddef>

namespace memory {

// True when `bytes` more could be allocated now (a limited address space, an exhausted machine).
bool HaveRoomFor(std::size_t bytes) noexcept;

} // namespace memory
