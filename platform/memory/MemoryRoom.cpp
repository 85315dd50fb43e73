#include "MemoryRoom.h"

#include <cstdlib>

namespace memory {

bool HaveRoomFor(std::size_t bytes) noexcept {
    void* reserve = std::malloc(bytes);
    // The compiler may not leave out an allocation whose address it has seen escape.
    asm volatile("" : : "r"(reserve) : "memory");
    const bool had = reserve != nullptr;
    std::free(reserve);
    return had;
}

} // namespace memory
