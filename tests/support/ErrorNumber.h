#pragma once

#include "platform/RuntimeError.h"

// The number of the RuntimeError that f throws; 0 when it throws none.
template <typename F>
int errorNumber(F&& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}
