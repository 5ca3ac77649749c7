#include "listing/listing_history.h"

#include <gtest/gtest.h>

namespace tavolin::listing {
namespace {

class ListingHistoryTest : public ::testing::Test
{
protected:
    // Records listing "L<n>" with count n, as scan number n would.
    void recordScans(int count)
    {
        for (int i = 0; i < count; ++i, ++scans_)
            history_.record("L" + std::to_string(scans_), scans_, "D:\\p" + std::to_string(scans_));
    }

    void expectButtons(bool back, bool forward)
    {
        EXPECT_EQ(history_.backEnabled(), back) << "at row " << history_.position();
        EXPECT_EQ(history_.forwardEnabled(), forward) << "at row " << history_.position();
    }

    ListingHistory history_;
    int scans_ = 0;
};

TEST_F(ListingHistoryTest, FirstScanGoesToRowZeroAndTheSecondEnablesBack)
{
    expectButtons(false, false);
    recordScans(1);
    EXPECT_EQ(history_.position(), 0);
    expectButtons(false, false);
    recordScans(1);
    EXPECT_EQ(history_.position(), 1);
    expectButtons(true, false);
    EXPECT_EQ(history_.current().listing, "L1");
    EXPECT_EQ(history_.current().fileCount, 1);
    EXPECT_EQ(history_.current().pathField, "D:\\p1");
}

TEST_F(ListingHistoryTest, PagingBackAndForth)
{
    recordScans(3);
    history_.pageBack();
    EXPECT_EQ(history_.current().listing, "L1");
    expectButtons(true, true);
    history_.pageBack();
    EXPECT_EQ(history_.current().listing, "L0");
    expectButtons(false, true);
    history_.pageForward();
    expectButtons(true, true);
    history_.pageForward();
    EXPECT_EQ(history_.current().listing, "L2");
    expectButtons(true, false); // nothing after row 2
}

TEST_F(ListingHistoryTest, RescanningAfterPagingBackDiscardsTheRowsBeyond)
{
    recordScans(6); // rows 0 to 5
    history_.pageBack();
    history_.pageBack();
    recordScans(1);
    EXPECT_EQ(history_.position(), 4);
    EXPECT_EQ(history_.row(4).listing, "L6");
    EXPECT_EQ(history_.row(5).listing, "");
    EXPECT_EQ(history_.row(5).fileCount, 0);
    expectButtons(true, false);
}

TEST_F(ListingHistoryTest, TheTableHoldsTwentyOneListings)
{
    recordScans(21);
    EXPECT_EQ(history_.position(), 20);
    expectButtons(true, false);
    recordScans(1); // a 22nd scan is not recorded
    EXPECT_EQ(history_.position(), 20);
    EXPECT_EQ(history_.row(20).listing, "L20");
    EXPECT_EQ(history_.row(0).listing, "L0");
    expectButtons(true, false);
}

TEST_F(ListingHistoryTest, BackFromRowTwentyDisablesForwardAtNineteen)
{
    recordScans(21);
    history_.pageBack();
    EXPECT_EQ(history_.position(), 19);
    expectButtons(true, false);
    history_.pageBack();
    expectButtons(true, true);
}

TEST_F(ListingHistoryTest, ForwardOntoRowTwentyThenOnceMore)
{
    recordScans(21);
    history_.pageBack();
    history_.pageBack(); // row 18
    history_.pageForward();
    EXPECT_EQ(history_.position(), 19);
    expectButtons(true, true);
    history_.pageForward();
    EXPECT_EQ(history_.position(), 20);
    expectButtons(true, true); // row 20 holds a listing
    history_.pageForward();
    EXPECT_EQ(history_.position(), 20);
    EXPECT_EQ(history_.current().listing, "L20");
    expectButtons(true, false);
}

TEST_F(ListingHistoryTest, AnEmptyListingCountsAsNone)
{
    recordScans(2);
    history_.record("", 0, "D:\\empty\\"); // row 2: an empty folder
    history_.pageBack();
    history_.pageBack();
    EXPECT_EQ(history_.position(), 0);
    history_.pageForward();
    EXPECT_EQ(history_.position(), 1);
    expectButtons(true, false);
}

TEST_F(ListingHistoryTest, RecordingAgainAfterAResetStartsAtRowZero)
{
    recordScans(3);
    history_.pageBack();
    history_.pageBack();
    history_.resetRecording();
    recordScans(1);
    EXPECT_EQ(history_.position(), 0);
    EXPECT_EQ(history_.row(1).listing, "");
}

} // namespace
} // namespace tavolin::listing
