#include "rename/replace_step.h"

#include "rename/regex_faults.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace tavolin::rename {

struct Replacer::Code
{
    // Compiled to machine code where PCRE2 can (a preview runs it on every row), with one
    // block for the matches, reused by every call: a Replacer serves one thread.
    explicit Code(pcre2_code *compiled)
        : code(compiled, &pcre2_code_free)
        , matches(pcre2_match_data_create_from_pattern(compiled, nullptr), &pcre2_match_data_free)
    {
        pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE); // without it, the interpreter
    }

    std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> code;
    std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> matches;
};

namespace {

// A group that took no part in the match is empty; one the expression does not have is a fault,
// found when the replacer is made.
constexpr std::uint32_t kSubstituteOptions
        = PCRE2_SUBSTITUTE_OVERFLOW_LENGTH | PCRE2_SUBSTITUTE_UNSET_EMPTY;

PCRE2_SPTR bytesOf(std::string_view text)
{
    return reinterpret_cast<PCRE2_SPTR>(text.data());
}

// How many characters the first `bytes` bytes of UTF-8 text hold.
std::size_t charactersIn(std::string_view text, std::size_t bytes)
{
    std::size_t characters = 0;
    for (const char c : text.substr(0, bytes))
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters;
}

// An expression with the groups of `code`, numbered and named alike, each matching nothing.
std::string groupsOf(const pcre2_code *code)
{
    std::uint32_t count = 0, names = 0, entrySize = 0;
    PCRE2_SPTR table = nullptr;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &count);
    pcre2_pattern_info(code, PCRE2_INFO_NAMECOUNT, &names);
    pcre2_pattern_info(code, PCRE2_INFO_NAMEENTRYSIZE, &entrySize);
    pcre2_pattern_info(code, PCRE2_INFO_NAMETABLE, &table);
    std::vector<std::string> named(count + 1);
    for (std::uint32_t i = 0; i < names; ++i) {
        const PCRE2_SPTR entry = table + i * entrySize; // the number in two bytes, then the name
        named[static_cast<std::size_t>(entry[0] << 8 | entry[1])]
                = reinterpret_cast<const char *>(entry + 2);
    }
    std::string groups;
    for (std::size_t number = 1; number <= count; ++number)
        groups += named[number].empty() ? "()" : "(?<" + named[number] + ">)";
    return groups;
}

// A plain replacement is taken as it is: "$" means itself.
std::string literally(std::string_view replacement)
{
    std::string escaped;
    for (const char c : replacement) {
        if (c == '$')
            escaped += '$';
        escaped += c;
    }
    return escaped;
}

} // namespace

Replacer::Replacer(std::shared_ptr<const Code> code, std::string replacement, bool all)
    : m_code(std::move(code))
    , m_replacement(std::move(replacement))
    , m_all(all)
{}

std::expected<Replacer, std::string> Replacer::make(const ReplaceRule &rule)
{
    if (rule.find.empty())
        return Replacer(nullptr, {}, rule.all);
    // In UTF mode PCRE2 ignores case by Unicode's rules (ｄｓｃ is ＤＳＣ) even without UCP,
    // which plain text may not take.
    std::uint32_t options = PCRE2_UTF;
    options |= rule.regularExpression ? PCRE2_UCP : PCRE2_LITERAL;
    if (!rule.matchCase)
        options |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE errorAt = 0;
    pcre2_code *code = pcre2_compile(
            bytesOf(rule.find), rule.find.size(), options, &error, &errorAt, nullptr);
    if (!code)
        return std::unexpected(expressionFault(error, charactersIn(rule.find, errorAt) + 1));
    Replacer replacer(std::make_shared<const Code>(code),
                      rule.regularExpression ? rule.replacement : literally(rule.replacement),
                      rule.all);
    if (auto wrong = replacer.replacementFault(groupsOf(code)))
        return std::unexpected(*wrong);
    return replacer;
}

std::optional<std::string> Replacer::apply(std::string_view name) const
{
    if (!m_code)
        return std::string(name);
    const std::uint32_t options = kSubstituteOptions | (m_all ? PCRE2_SUBSTITUTE_GLOBAL : 0u);
    std::string out(name.size() + m_replacement.size() + 16, '\0');
    for (;;) {
        PCRE2_SIZE length = out.size();
        const int done = pcre2_substitute(m_code->code.get(),
                                          bytesOf(name),
                                          name.size(),
                                          0,
                                          options,
                                          m_code->matches.get(),
                                          nullptr,
                                          bytesOf(m_replacement),
                                          m_replacement.size(),
                                          reinterpret_cast<PCRE2_UCHAR *>(out.data()),
                                          &length);
        if (done == PCRE2_ERROR_NOMEMORY) {
            out.resize(length); // the length it needs
            continue;
        }
        if (done < 0) // bytes that are not UTF-8: the replacement was checked when made
            return std::nullopt;
        out.resize(length);
        return out;
    }
}

std::optional<std::string> Replacer::replacementFault(const std::string &groups) const
{
    // The replacement is read only where something matched: try it where every group of the
    // expression matched nothing.
    int error = 0;
    PCRE2_SIZE errorAt = 0;
    const Code empty(pcre2_compile(
            bytesOf(groups), groups.size(), PCRE2_UTF | PCRE2_DUPNAMES, &error, &errorAt, nullptr));
    PCRE2_UCHAR out[8];
    PCRE2_SIZE length = sizeof out;
    const int done = pcre2_substitute(empty.code.get(),
                                      bytesOf(""),
                                      0,
                                      0,
                                      kSubstituteOptions,
                                      nullptr,
                                      nullptr,
                                      bytesOf(m_replacement),
                                      m_replacement.size(),
                                      out,
                                      &length);
    if (done >= 0 || done == PCRE2_ERROR_NOMEMORY)
        return std::nullopt;
    // Where it failed: just after a missing group's reference, which begins at its "$".
    const std::size_t at = std::min<std::size_t>(length, m_replacement.size());
    const std::size_t reference = at == 0 ? 0 : std::min(m_replacement.rfind('$', at - 1), at);
    return rename::replacementFault(
            done,
            charactersIn(m_replacement, reference) + 1,
            std::string_view(m_replacement).substr(reference, at - reference));
}

} // namespace tavolin::rename
