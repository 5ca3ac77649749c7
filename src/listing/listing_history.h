#pragma once

#include "listing/scanned_files.h"
#include "text/text_prefix.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::listing {

// The scans whose lines a listing holds, oldest first; the listings that hold the same scan
// share it, and nobody changes it.
using ListingScans = std::vector<std::shared_ptr<const ScannedFiles>>;

// One recorded listing: its text, its file count, the path field it was made from and the scans
// it holds. The text is kept as the listing box shared it: the rows of a listing grown by later
// scans hold prefixes of one text.
struct HistoryRow
{
    text::TextPrefix text;
    std::int64_t fileCount = 0;
    std::string pathField;
    ListingScans scans = {};

    std::string_view listing() const { return text.view(); }
};

// The last listings of the main window, 21 rows that the back and forward buttons page through.
//
// Recording puts the first listing into row 0 and every later one into the row after the
// current one, discarding the rows beyond it; once the position is 20 nothing more is recorded
// until the user pages back. The enabled states of the two buttons follow these rules:
//   after recording at row 0        back unchanged, forward disabled
//   after recording at row r >= 1   back enabled, forward disabled
//   after paging back to row r      back disabled at row 0; forward disabled at row 19 (so that
//                                   paging forward cannot return to row 20), else enabled
//   after paging forward to row r   back enabled; forward disabled when the row after r (for
//                                   r = 20, row 20 itself) holds no listing text
// A row with an empty listing text counts as no listing for the forward button.
class ListingHistory
{
public:
    static constexpr int kRows = 21;
    static constexpr int kLastRow = kRows - 1;

    // Forgets whether anything was recorded, so that the next recording goes to row 0 again.
    // The window's start-up does this.
    void resetRecording() { m_recorded = false; }

    void record(text::TextPrefix listing,
                std::int64_t fileCount,
                std::string pathField,
                ListingScans scans = {});

    // One row back or forward; the row to show afterwards is current().
    void pageBack();
    void pageForward();

    int position() const { return m_position; }
    const HistoryRow &current() const { return m_rows[static_cast<std::size_t>(m_position)]; }
    const HistoryRow &row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }

    bool backEnabled() const { return m_backEnabled; }
    bool forwardEnabled() const { return m_forwardEnabled; }

private:
    bool holdsListing(int index) const { return row(index).text.length > 0; }

    std::array<HistoryRow, kRows> m_rows;
    int m_position = 0;
    bool m_recorded = false;
    bool m_backEnabled = false;
    bool m_forwardEnabled = false;
};

} // namespace tavolin::listing
