#include "platform/line_reader.h"

namespace tavolin::platform {

bool LineReader::feed(std::string_view chunk)
{
    if (m_stopped)
        return false;
    m_pending += chunk;
    std::size_t start = 0;
    if (!m_started) {
        // Wait for enough bytes to tell a byte-order mark.
        if (m_pending.size() < textfile::kUtf8Bom.size()
            && std::string_view(textfile::kUtf8Bom).starts_with(m_pending))
            return true;
        m_encoding = textfile::detect(m_pending, start);
        m_started = true;
    }
    for (std::size_t end; (end = m_pending.find('\n', start)) != std::string::npos;
         start = end + 1) {
        if (!deliver(std::string_view(m_pending).substr(start, end - start))) {
            m_pending.clear();
            return false;
        }
    }
    m_pending.erase(0, start);
    return true;
}

void LineReader::finish()
{
    if (!m_started && !m_pending.empty()) {
        std::size_t skip = 0;
        m_encoding = textfile::detect(m_pending, skip);
        m_pending.erase(0, skip);
        m_started = true;
    }
    if (!m_pending.empty() && !m_stopped)
        deliver(m_pending);
    m_pending.clear();
}

bool LineReader::deliver(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    m_stopped = !m_onLine(textfile::decodeLine(line, m_encoding));
    return !m_stopped;
}

} // namespace tavolin::platform
