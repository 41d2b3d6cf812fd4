#pragma once

#include <QtGlobal>

namespace selvana::test {

// A time bound for a test, widened in sanitizer builds, which run several times slower.
constexpr qint64 timeLimitMs(qint64 ms)
{
#ifdef SELVANA_SANITIZED
    return ms * 5;
#else
    return ms;
#endif
}

} // namespace selvana::test
