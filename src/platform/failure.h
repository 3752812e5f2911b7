#pragma once

// The one way a failed operation reaches the user: a warning box whose text is the
// failure's own sentence (what failed, on which file, the system's reason).

#include "platform/desktop.h"

#include <exception>
#include <utility>

namespace sentari::platform {

inline void reportFailure(Desktop& desktop, const std::exception& failure)
{
    desktop.message(QString::fromUtf8(failure.what()), MessageStyle::Warning);
}

// Runs the operation; a failure of type Failure is reported and gives false.
template <typename Failure, typename Operation>
bool reportingFailures(Desktop& desktop, Operation&& operation)
{
    try {
        std::forward<Operation>(operation)();
        return true;
    } catch (const Failure& failure) {
        reportFailure(desktop, failure);
        return false;
    }
}

} // namespace sentari::platform
