// SPDX-License-Identifier: MIT
#include "Message.h"

#include <cstring>
#include <utility>

Message::Message(const char *text, std::vector<std::string> arguments)
    : templateText(text), args(std::move(arguments))
{
}

std::string Message::english() const
{
    std::string filled;
    for (const char *at = templateText; *at != '\0'; ++at) {
        const bool place = at[0] == '%' && at[1] >= '1' && at[1] <= '9';
        const auto index = place ? static_cast<std::size_t>(at[1] - '1') : 0;
        if (place && index < args.size()) {
            filled += args[index];
            ++at;
        } else {
            filled += *at;
        }
    }
    return filled;
}

bool Message::operator==(const Message &other) const
{
    return std::strcmp(templateText, other.templateText) == 0 && args == other.args;
}
