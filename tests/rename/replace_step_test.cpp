#include "rename/replace_step.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tavolin::rename {
namespace {

struct ReplaceCase
{
    ReplaceRule rule;
    std::string name;
    std::string changed;
};

TEST(ReplaceStep, ReplacesTextOrExpressionsWithGroupsOnceOrEverywhere)
{
    const ReplaceCase cases[] = {
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
            {{"(x)", "$7", true}, "x", ""},
            {{"ま.", "ー", true}, "たまご", "たー"}, // "." is one character, not one byte
            {{"", "x"}, "name", "name"},
    };
    for (const auto &[rule, name, changed] : cases) {
        const auto replacer = Replacer::make(rule);
        ASSERT_TRUE(replacer) << rule.find << ": " << replacer.error();
        EXPECT_EQ(replacer->apply(name), changed) << rule.find << " in " << name;
    }
}

TEST(ReplaceStep, AnInvalidExpressionOrReplacementSaysWhere)
{
    const auto unclosed = Replacer::make({"(写真", "x", true});
    ASSERT_FALSE(unclosed);
    EXPECT_NE(unclosed.error().find("（4文字目）"), std::string::npos) << unclosed.error();
    EXPECT_FALSE(Replacer::make({"a", "${1", true}));
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
