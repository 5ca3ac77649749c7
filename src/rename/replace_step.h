#pragma once

#include <expected>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavolin::rename {

// What a replace step looks for and puts in its place.
struct ReplaceRule
{
    std::string find;
    std::string replacement;
    bool regularExpression = false; // PCRE2 with UTF; the replacement takes $1 to $9 and ${name}
    bool matchCase = true;
    bool all = true; // every occurrence, or only the first
};

// A replace rule made ready to apply to many names: the expression is compiled once.
class Replacer
{
public:
    // Why an expression or its replacement is invalid, with the character where it fails; a
    // replacement that asks for a group the expression does not have is invalid.
    static std::expected<Replacer, std::string> make(const ReplaceRule &rule);

    // The changed name, or nothing where the name is not valid UTF-8 (it passes unchanged).
    std::optional<std::string> apply(std::string_view name) const;

private:
    struct Code;
    Replacer(std::shared_ptr<const Code> code, std::string replacement, bool all);
    // Why the replacement cannot be read ("${1" unclosed, "$2" without a second group) against
    // `groups`, an expression with the groups of the one searched for; nothing if it can.
    std::optional<std::string> replacementFault(const std::string &groups) const;

    std::shared_ptr<const Code> m_code; // none for an empty search, which changes nothing
    std::string m_replacement;
    bool m_all;
};

} // namespace tavolin::rename
