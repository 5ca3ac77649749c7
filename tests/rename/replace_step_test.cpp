#include "rename/replace_step.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace tavolin::rename {
namespace {

TEST(ReplaceStep, ReplacesTextOrExpressionsWithGroupsOnceOrEverywhere)
{
    const std::tuple<ReplaceRule, std::string, std::string> cases[] = {
            {{"写真", "photo"}, "写真_写真", "photo_photo"},
            {{"写真", "photo", false, true, false}, "写真_写真", "photo_写真"},
            {{"IMG", "img"}, "img_IMG", "img_img"},
            {{"img", "旅", false, false}, "IMG_img", "旅_旅"},
            {{"ＤＳＣ", "x", false, false}, "ｄｓｃ1", "x1"},
            {{".", "$1"}, "a.b", "a$1b"}, // plain text: no expression, no groups
            {{"(\\d{4})(\\d{2})(\\d{2})", "$1-$2-$3", true}, "IMG_20261208", "IMG_2026-12-08"},
            {{"^(.+)_(.+)$", "$2_$1", true}, "東京_旅行", "旅行_東京"},
            {{"\\d+", "#", true, true, false}, "a1b22", "a#b22"},
            {{"(a)|(b)", "[$2]", true}, "ab", "[][b]"}, // a group that took no part is empty
            {{"(?<y>\\d{4})(\\d\\d)", "$2.${y}", true}, "IMG_202612", "IMG_12.2026"},
            {{"(?J)(?<n>a)|(?<n>b)", "[${n}]", true}, "ab", "[a][b]"},
            {{"ま.", "ー", true}, "たまご", "たー"}, // "." is one character, not one byte
            {{"", "x"}, "name", "name"},
    };
    for (const auto &[rule, name, changed] : cases) {
        const auto replacer = Replacer::make(rule);
        ASSERT_TRUE(replacer) << rule.find << ": " << replacer.error();
        EXPECT_EQ(replacer->apply(name), changed) << rule.find << " in " << name;
    }
}

// Said in Japanese with the character where it fails; a group the expression lacks is a fault.
TEST(ReplaceStep, AnInvalidExpressionOrReplacementSaysWhyAndWhere)
{
    const std::pair<ReplaceRule, std::string> cases[] = {
            {{"(写真", "x", true}, "閉じる「)」がありません（4文字目）"},
            {{"a)", "x", true}, "「)」に当たる「(」がありません（2文字目）"},
            {{"a**", "x", true}, "繰り返し（* + ? {}）の前に繰り返すものがありません（3文字目）"},
            {{"(?C256)", "x", true}, "正規表現の誤り（コード138、7文字目）"},
            {{"(x)", "写$2$1", true},
             "置き換える文字の「$2」に当たるグループが、検索する文字にありません（2文字目）"},
            {{"(?<y>x)", "${m}", true},
             "置き換える文字の「${m}」に当たるグループが、検索する文字にありません（1文字目）"},
            {{"a", "${1", true}, "置き換える文字の「${」を閉じる「}」がありません（1文字目）"},
    };
    for (const auto &[rule, fault] : cases) {
        const auto replacer = Replacer::make(rule);
        ASSERT_FALSE(replacer) << rule.find << " → " << rule.replacement;
        EXPECT_EQ(replacer.error(), fault);
    }
    EXPECT_TRUE(Replacer::make({"(写真", "${1", false})) << "plain text is never invalid";
}

TEST(ReplaceStep, ANameThatIsNotUtf8IsLeftAsItIs)
{
    const auto replacer = Replacer::make({"a", "b"});
    ASSERT_TRUE(replacer);
    EXPECT_EQ(replacer->apply("a\x83\x66"), std::nullopt);
}

} // namespace
} // namespace tavolin::rename
