#include "listing/listing_history.h"

namespace tavolin::listing {

void ListingHistory::record(text::TextPrefix listing,
                            std::int64_t fileCount,
                            std::string pathField,
                            ListingScans scans)
{
    if (m_position >= kLastRow)
        return;
    if (m_recorded)
        ++m_position;
    for (int later = m_position; later < kRows; ++later)
        m_rows[static_cast<std::size_t>(later)] = HistoryRow{};
    m_rows[static_cast<std::size_t>(m_position)]
            = HistoryRow{std::move(listing), fileCount, std::move(pathField), std::move(scans)};
    m_recorded = true;
    if (m_position >= 1)
        m_backEnabled = true;
    m_forwardEnabled = false;
}

void ListingHistory::pageBack()
{
    if (m_position <= 0) // the back button is disabled there
        return;
    --m_position;
    if (m_position < 1)
        m_backEnabled = false;
    m_forwardEnabled = m_position != kLastRow - 1;
}

void ListingHistory::pageForward()
{
    if (m_position < kLastRow) {
        ++m_position;
        if (m_position == kLastRow)
            m_forwardEnabled = holdsListing(kLastRow);
        else
            m_forwardEnabled = holdsListing(m_position + 1);
    } else {
        m_forwardEnabled = false;
    }
    m_backEnabled = true;
}

} // namespace tavolin::listing
