#include "listing/listing_history.h"

#include <gtest/gtest.h>

namespace {

using tavolin::listing::ListingHistory;

// A script of r (record the next scan's listing, L0, L1, ...), e (record an empty listing),
// < (page back), > (page forward) and 0 (the window starts again), and what shows afterwards:
// the position, < and > for the enabled buttons, the current listing / the one after it.
TEST(ListingHistory, RecordingAndPagingThroughTwentyOneRows)
{
    const std::string r21(21, 'r');
    const std::pair<std::string, const char *> cases[] = {
            {"", "0-- /"},
            {"r", "0-- L0/"},
            {"rr", "1<- L1/"},
            {"rrr<", "1<> L1/L2"},
            {"rrr<<", "0-> L0/L1"},
            {"rrr<<>>", "2<- L2/"},
            {"rrrrrr<<r", "4<- L6/"},
            {"rre<<>", "1<- L1/"},
            {"rr<0r", "0-- L2/"},
            {r21, "20<- L20"},
            {r21 + "r", "20<- L20"},
            {r21 + "<", "19<- L19/L20"},
            {r21 + "<<", "18<> L18/L19"},
            {r21 + "<<>", "19<> L19/L20"},
            {r21 + "<<>>", "20<> L20"},
            {r21 + "<<>>>", "20<- L20"},
            {r21 + "<<<<<<<<<<<<<<<<<<<<<<", "0-> L0/L1"},
    };
    for (const auto &[script, expected] : cases) {
        ListingHistory history;
        int scans = 0;
        for (const char step : script) {
            if (step == 'r' || step == 'e')
                history.record(step == 'r' ? "L" + std::to_string(scans) : "", scans, "p");
            scans += step == 'r' || step == 'e';
            if (step == '<')
                history.pageBack();
            if (step == '>')
                history.pageForward();
            if (step == '0')
                history.resetRecording();
        }
        const int at = history.position();
        std::string shown = std::to_string(at) + (history.backEnabled() ? "<" : "-")
                            + (history.forwardEnabled() ? ">" : "-") + " "
                            + history.current().listing;
        if (at < ListingHistory::kLastRow)
            shown += "/" + history.row(at + 1).listing;
        EXPECT_EQ(shown, expected) << script;
    }
}

} // namespace
