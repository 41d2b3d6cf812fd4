#include "distances/DistancesHost.h"

namespace selvana {

DistancesHost::~DistancesHost() = default;

} // namespace selvana
