#include "rename/regex_faults.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <array>
#include <utility>

namespace tavolin::rename {

namespace {

// The errors of an expression that people make, with what to say.
constexpr std::array<std::pair<int, std::string_view>, 24> kExpressionFaults{{
        {PCRE2_ERROR_END_BACKSLASH, "末尾の「\\」の後ろに文字がありません"},
        {PCRE2_ERROR_UNKNOWN_ESCAPE, "「\\」に続く文字は正規表現で使えません"},
        {PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER, "「{}」の中の二つの数が逆の順です"},
        {PCRE2_ERROR_QUANTIFIER_TOO_BIG, "「{}」の中の数が大きすぎます"},
        {PCRE2_ERROR_MISSING_SQUARE_BRACKET, "閉じる「]」がありません"},
        {PCRE2_ERROR_CLASS_RANGE_ORDER, "「[]」の中の範囲が逆の順です（[z-a]など）"},
        {PCRE2_ERROR_QUANTIFIER_INVALID, "繰り返し（* + ? {}）の前に繰り返すものがありません"},
        {PCRE2_ERROR_INVALID_AFTER_PARENS_QUERY, "「(?」に続く文字は正規表現で使えません"},
        {PCRE2_ERROR_POSIX_CLASS_NOT_IN_CLASS, "「[:alpha:]」などは「[]」の中に書きます"},
        {PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS, "閉じる「)」がありません"},
        {PCRE2_ERROR_BAD_SUBPATTERN_REFERENCE, "参照しているグループがありません"},
        {PCRE2_ERROR_MISSING_COMMENT_CLOSING, "コメント「(?#」を閉じる「)」がありません"},
        {PCRE2_ERROR_UNMATCHED_CLOSING_PARENTHESIS, "「)」に当たる「(」がありません"},
        {PCRE2_ERROR_LOOKBEHIND_NOT_FIXED_LENGTH,
         "後読み「(?<=」「(?<!」の中の長さが一つに決まりません"},
        {PCRE2_ERROR_UNKNOWN_POSIX_CLASS, "「[: :]」の中の名前は正規表現で使えません"},
        {PCRE2_ERROR_CODE_POINT_TOO_BIG, "文字の番号が大きすぎます"},
        {PCRE2_ERROR_MISSING_NAME_TERMINATOR, "グループの名前が閉じていません"},
        {PCRE2_ERROR_DUPLICATE_SUBPATTERN_NAME, "同じ名前のグループが二つあります"},
        {PCRE2_ERROR_INVALID_SUBPATTERN_NAME, "グループの名前を数字で始めることはできません"},
        {PCRE2_ERROR_MALFORMED_UNICODE_PROPERTY, "「\\p」「\\P」の書き方が違います"},
        {PCRE2_ERROR_UNKNOWN_UNICODE_PROPERTY, "「\\p」「\\P」の名前はUnicodeにありません"},
        {PCRE2_ERROR_CLASS_INVALID_RANGE, "「[]」の中の範囲に使えない文字があります"},
        {PCRE2_ERROR_SUBPATTERN_NAME_EXPECTED, "グループの名前がありません"},
        {PCRE2_ERROR_ZERO_RELATIVE_REFERENCE, "グループの参照に0は使えません"},
}};

std::string where(std::size_t character)
{
    return "（" + std::to_string(character) + "文字目）";
}

std::string otherFault(int code, std::size_t character)
{
    return "正規表現の誤り（コード" + std::to_string(code) + "、" + std::to_string(character)
           + "文字目）";
}

} // namespace

std::string expressionFault(int code, std::size_t character)
{
    const auto known
            = std::ranges::find(kExpressionFaults, code, &std::pair<int, std::string_view>::first);
    if (known == kExpressionFaults.end())
        return otherFault(code, character);
    return std::string(known->second) + where(character);
}

std::string replacementFault(int code, std::size_t character, std::string_view reference)
{
    switch (code) {
    case PCRE2_ERROR_NOSUBSTRING:
        return "置き換える文字の「" + std::string(reference)
               + "」に当たるグループが、検索する文字にありません" + where(character);
    case PCRE2_ERROR_REPMISSINGBRACE:
        return "置き換える文字の「${」を閉じる「}」がありません" + where(character);
    case PCRE2_ERROR_BADREPLACEMENT:
        return "置き換える文字の「$」の後ろには、グループの番号か名前を書きます（「$」そのものは「$"
               "$」）"
               + where(character);
    default:
        return otherFault(code, character);
    }
}

} // namespace tavolin::rename
