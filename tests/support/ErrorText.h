#pragma once

#include "base/AppError.h"

#include <QString>

#include <functional>

namespace selvana::test {

// The user's text of the error an operation ends with, or "" when it succeeds.
inline QString errorText(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const AppError& e) {
        return e.text();
    }
    return {};
}

} // namespace selvana::test
