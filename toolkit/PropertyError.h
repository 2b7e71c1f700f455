// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

// A stored property value that cannot be converted to the type its reader asks for.
class PropertyError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
