#include "InertExchangeTarget.h"

namespace pages {

CInertExchangeTarget& InertExchangeTarget() {
    static CInertExchangeTarget target;
    return target;
}

} // namespace pages
