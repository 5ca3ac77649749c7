#include "rename/replace_step.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <cstdint>
#include <utility>

namespace tavolin::rename {

struct Replacer::Code
{
    // Compiled to machine code where PCRE2 can (a preview runs it on every row), with one
    // block for the matches, reused by every call: a Replacer serves one thread.
    explicit Code(pcre2_code *compiled)
        : code(compiled)
        , matches(pcre2_match_data_create_from_pattern(compiled, nullptr))
    {
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE); // without it, the interpreter
    }
    ~Code()
    {
        pcre2_match_data_free(matches);
        pcre2_code_free(code);
    }
    Code(const Code &) = delete;
    Code &operator=(const Code &) = delete;

    pcre2_code *code;
    pcre2_match_data *matches;
};

namespace {

// A group the expression does not have, or one that took no part in the match, is empty.
constexpr std::uint32_t kSubstituteOptions = PCRE2_SUBSTITUTE_OVERFLOW_LENGTH
                                             | PCRE2_SUBSTITUTE_UNKNOWN_UNSET
                                             | PCRE2_SUBSTITUTE_UNSET_EMPTY;

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
    if (!code) {
        std::array<PCRE2_UCHAR, 256> message{};
        pcre2_get_error_message(error, message.data(), message.size());
        return std::unexpected(std::string(reinterpret_cast<const char *>(message.data())) + "（"
                               + std::to_string(charactersIn(rule.find, errorAt) + 1) + "文字目）");
    }
    Replacer replacer(std::make_shared<const Code>(code),
                      rule.regularExpression ? rule.replacement : literally(rule.replacement),
                      rule.all);
    if (auto wrong = replacer.replacementFault())
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
        const int done = pcre2_substitute(m_code->code,
                                          bytesOf(name),
                                          name.size(),
                                          0,
                                          options,
                                          m_code->matches,
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

std::optional<std::string> Replacer::replacementFault() const
{
    // The replacement is read only where something matched: try it on an empty match.
    int error = 0;
    PCRE2_SIZE errorAt = 0;
    const Code empty(pcre2_compile(bytesOf(""), 0, PCRE2_UTF, &error, &errorAt, nullptr));
    std::array<PCRE2_UCHAR, 8> out{};
    PCRE2_SIZE length = out.size();
    const int done = pcre2_substitute(empty.code,
                                      bytesOf(""),
                                      0,
                                      0,
                                      kSubstituteOptions,
                                      nullptr,
                                      nullptr,
                                      bytesOf(m_replacement),
                                      m_replacement.size(),
                                      out.data(),
                                      &length);
    if (done >= 0 || done == PCRE2_ERROR_NOMEMORY)
        return std::nullopt;
    std::array<PCRE2_UCHAR, 256> message{};
    pcre2_get_error_message(done, message.data(), message.size());
    return std::string(reinterpret_cast<const char *>(message.data()));
}

} // namespace tavolin::rename
