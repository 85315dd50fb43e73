#pragma once
// The address space this process uses now plus `headroom`, as `ulimit -v` limits it, until the
// guard goes. (AddressSanitizer reserves more address space than any such limit: tests that use it
// run in the normal build only.)

#include <cstddef>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace zenttest {

class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t headroom) {
        getrlimit(RLIMIT_AS, &saved_);
        std::ifstream statm("/proc/self/statm");
        std::size_t pages = 0;
        statm >> pages;
        rlimit limited = saved_;
        limited.rlim_cur = pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) + headroom;
        setrlimit(RLIMIT_AS, &limited);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace zenttest
