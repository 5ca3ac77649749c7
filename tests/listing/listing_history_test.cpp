#include "listing/listing_history.h"

#include <gtest/gtest.h>

#include <sstream>

using tavolin::listing::ListingHistory;

// Scripts of r (record the next scan's listing: L0, L1, ...), R (21 of them), e (record an empty
// listing), < and > (page back and forward) and 0 (the window starts again), each with what shows
// afterwards: the position, < and > for the enabled buttons, the current listing/the next one.
TEST(ListingHistory, RecordingAndPagingThroughTwentyOneRows)
{
    std::istringstream cases(":0--/ r:0--L0/ rr:1<-L1/ rrr<:1<>L1/L2 rrr<<:0->L0/L1 rrr<<>>:2<-L2/ "
                             "rrrrrr<<r:4<-L6/ rre<<>:1<-L1/ rr<0r:0--L2/ R:20<-L20 Rr:20<-L20 "
                             "R<:19<-L19/L20 R<<:18<>L18/L19 R<<>:19<>L19/L20 R<<>>:20<>L20 "
                             "R<<>>>:20<-L20 R<<<<<<<<<<<<<<<<<<<<<<:0->L0/L1");
    for (std::string script; cases >> script;) {
        ListingHistory history;
        int scans = 0;
        for (const char step : script.substr(0, script.find(':'))) {
            for (int i = 0; i < (step == 'R' ? 21 : step == 'r'); ++i, ++scans)
                history.record("L" + std::to_string(scans), scans, "p");
            if (step == 'e')
                history.record("", ++scans, "p");
            if (step == '<')
                history.pageBack();
            if (step == '>')
                history.pageForward();
            if (step == '0')
                history.resetRecording();
        }
        const int at = history.position();
        std::string shown = std::to_string(at) + (history.backEnabled() ? "<" : "-")
                            + (history.forwardEnabled() ? ">" : "-") + history.current().listing;
        if (at < ListingHistory::kLastRow)
            shown += "/" + history.row(at + 1).listing;
        EXPECT_EQ(script.substr(0, script.find(':') + 1) + shown, script);
    }
}
