#include "listing/listing_history.h"

namespace tavolin::listing {

ScannedFiles::ScannedFiles(std::string folder, std::span<const std::string> names)
    : m_folder(std::move(folder))
    , m_count(names.size())
{
    std::size_t bytes = 0;
    for (const std::string &name : names)
        bytes += name.size() + 1;
    m_names.reserve(bytes);
    for (const std::string &name : names)
        m_names.append(name).push_back('\0');
}

std::vector<std::string> ScannedFiles::names() const
{
    std::vector<std::string> names;
    names.reserve(m_count);
    for (std::size_t at = 0; at < m_names.size();) {
        const std::size_t end = m_names.find('\0', at);
        names.emplace_back(m_names, at, end - at);
        at = end + 1;
    }
    return names;
}

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
