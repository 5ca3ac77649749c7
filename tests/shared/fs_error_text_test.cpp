#include "shared/fs_error_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace tavolin::shared {
namespace {

// Whatever the system answers, the reason a user reads is in Japanese: no English word of the
// system's own text comes through, and an error without words of its own says its number.
TEST(FsErrorText, EveryReasonTheSystemGivesIsSaidInJapanese)
{
    for (int code = 1; code < 134; ++code) {
        const std::string reason = describeFailure(services::fsErrorFromErrno(code));
        EXPECT_FALSE(std::ranges::any_of(reason, [](unsigned char c) { return std::isalpha(c); }))
                << code << ": " << reason;
    }
    EXPECT_EQ(describeFailure(services::fsErrorFromErrno(ENOTCONN)),
              "ディスクとの接続が切れました（取り外されたか、止まりました）");
    EXPECT_EQ(describeFailure(services::fsErrorFromErrno(EDOM)),
              "予期しないエラーです（エラー番号33）");
    EXPECT_EQ(describeFailure({}), "原因不明のエラーです");
}

} // namespace
} // namespace tavolin::shared
