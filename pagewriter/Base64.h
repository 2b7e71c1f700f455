// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Base64 as data: addresses take it (RFC 4648, with padding).
class Base64
{
public:
    static std::string encode(std::string_view bytes);
};
