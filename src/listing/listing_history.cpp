#include "listing/listing_history.h"

namespace tavolin::listing {

void ListingHistory::record(std::string_view listing,
                            std::int64_t fileCount,
                            std::string pathField,
                            ListingScans scans)
{
    if (m_position >= kLastRow)
        return;
    const HistoryRow *before = m_recorded ? &current() : nullptr;
    if (m_recorded)
        ++m_position;
    for (int later = m_position; later < kRows; ++later)
        m_rows[static_cast<std::size_t>(later)] = HistoryRow{};
    m_rows[static_cast<std::size_t>(m_position)] = HistoryRow{share(listing, before),
                                                              listing.size(),
                                                              fileCount,
                                                              std::move(pathField),
                                                              std::move(scans)};
    m_recorded = true;
    if (m_position >= 1)
        m_backEnabled = true;
    m_forwardEnabled = false;
}

std::shared_ptr<const std::string> ListingHistory::share(std::string_view listing,
                                                         const HistoryRow *before)
{
    if (before && m_growing && before->text == m_growing
        && listing.starts_with(before->listing())) {
        // Rows that share a text each extend the one before, and those after `before` are gone:
        // the bytes beyond its listing belonged to them only.
        m_growing->resize(before->length);
        m_growing->append(listing.substr(before->length));
    } else {
        m_growing = std::make_shared<std::string>(listing);
    }
    return m_growing;
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
