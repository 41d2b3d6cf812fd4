#include "loko/LokoHost.h"

namespace selvana {

LokoHost::~LokoHost() = default;

} // namespace selvana
