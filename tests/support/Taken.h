#pragma once

// Tests that look at a routine's value and its failure text side by side: taken()
// puts an Outcome's value in *value, or its failure's text in *error, and says which.

#include "core/Failure.h"

#include <QString>

#include <utility>

namespace kivora::test {

template<typename T> bool taken(Outcome<T> outcome, T *value, QString *error)
{
    if (!outcome) {
        if (error)
            *error = outcome.failure().text;
        return false;
    }
    if (value)
        *value = std::move(outcome).value();
    return true;
}

inline bool taken(const Done &outcome, QString *error)
{
    if (!outcome && error)
        *error = outcome.failure().text;
    return outcome.ok();
}

} // namespace kivora::test
