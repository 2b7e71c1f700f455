// SPDX-License-Identifier: MIT
#include "Message.h"

#include "Placeholders.h"

#include <cstring>
#include <utility>

Message::Message(const char *text, std::vector<std::string> arguments)
    : templateText(text), args(std::move(arguments))
{
}

std::string Message::english() const
{
    return fillPlaces(std::string(templateText), args);
}

bool Message::operator==(const Message &other) const
{
    return std::strcmp(templateText, other.templateText) == 0 && args == other.args;
}
