#include "text/line_reader.h"

namespace tavolin::text {

bool LineReader::feed(std::string_view chunk)
{
    if (m_stopped)
        return false;
    m_pending += chunk;
    if (!m_started) {
        // Enough to tell the encoding: a byte-order mark or a good stretch of text.
        const bool markPossible = m_pending.size() < textfile::kUtf8Bom.size()
                                  && std::string_view(textfile::kUtf8Bom).starts_with(m_pending);
        if (markPossible
            || (!m_pending.starts_with(textfile::kUtf8Bom) && m_pending.size() < kDetectionBytes))
            return true;
        start(/*wholeFile=*/false);
    }
    return deliverCompleteLines();
}

void LineReader::finish()
{
    if (m_stopped)
        return;
    if (!m_started)
        start(/*wholeFile=*/true);
    if (!deliverCompleteLines())
        return;
    if (m_skipping)
        deliver(m_cut);
    else if (!m_pending.empty())
        deliver(m_pending);
    m_pending.clear();
}

void LineReader::breakOff()
{
    if (m_stopped)
        return;
    if (!m_started)
        start(/*wholeFile=*/false);
    if (deliverCompleteLines())
        m_pending.clear();
}

void LineReader::start(bool wholeFile)
{
    std::size_t skip = 0;
    const std::string_view head = std::string_view(m_pending).substr(0, kDetectionBytes);
    m_encoding = textfile::detect(head, wholeFile && head.size() == m_pending.size(), skip);
    m_pending.erase(0, skip);
    m_started = true;
}

bool LineReader::deliverCompleteLines()
{
    std::size_t start = 0;
    for (std::size_t end; (end = m_pending.find('\n', start)) != std::string::npos;
         start = end + 1) {
        // The end of a line that grew too long: what was kept of it stands for the line.
        const std::string_view line
                = m_skipping ? std::string_view(m_cut)
                             : std::string_view(m_pending).substr(start, end - start);
        m_skipping = false;
        if (!deliver(line.substr(0, kMaxLineBytes))) {
            m_pending.clear();
            return false;
        }
    }
    m_pending.erase(0, start);
    if (m_skipping) {
        m_pending.clear();
    } else if (m_pending.size() > kMaxLineBytes) {
        m_cut.assign(m_pending, 0, kMaxLineBytes);
        m_skipping = true;
        m_pending.clear();
    }
    return true;
}

bool LineReader::deliver(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    m_stopped = !m_onLine(textfile::decodeLine(line, m_encoding));
    return !m_stopped;
}

} // namespace tavolin::text
