// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What the binding hands to JavaScript is JSON, which JSON.parse reads without evaluating code.
namespace Json {

// A JSON string holding the UTF-8 text.
std::string quoted(std::string_view text);

} // namespace Json
