// SPDX-License-Identifier: MIT
#include "PageScript.h"

#include "Base64.h"

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view line)
{
    while (!line.empty() && isSpace(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isSpace(line.back()))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string PageScript::withoutComments(std::string_view source)
{
    std::string script;
    while (!source.empty()) {
        const std::size_t end = source.find('\n');
        const std::string_view code = trimmed(source.substr(0, end));
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        const bool comment
            = code.starts_with("//") || (code.starts_with("/*") && code.find("*/") == code.size() - 2);
        if (!code.empty() && !comment) {
            script += code;
            script += '\n';
        }
    }
    return script;
}

std::string PageScript::player(const std::vector<Source> &parts)
{
    std::string names;
    std::string joined;
    for (const Source &part : parts) {
        names += (names.empty() ? "" : ", ") + part.name;
        joined += withoutComments(part.text);
    }
    return "// SPDX-License-Identifier: MIT\n// The page's script: publish/web/" + names
        + " of Brindlecast Match Maker, without their comments.\n" + joined;
}

std::string PageScript::withStyle(std::string html, std::string_view sheet, std::string &styleHash)
{
    const std::string style = withoutComments(sheet);
    styleHash = policyHash(Sha256::of(style));
    constexpr std::string_view link = "<link rel=\"stylesheet\"";
    const std::size_t from = html.find(link);
    const std::size_t to = from == std::string::npos ? from : html.find('>', from);
    if (to != std::string::npos)
        html.replace(from, to + 1 - from, "<style>" + style + "</style>");
    return html;
}

std::string PageScript::policyHash(const Sha256::Digest &digest)
{
    return Base64::encode(std::string_view(reinterpret_cast<const char *>(digest.data()), digest.size()));
}
