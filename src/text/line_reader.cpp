#include "text/line_reader.h"

namespace tavolin::text {

namespace {

constexpr std::string_view kMarks[] = {textfile::kUtf8Bom, "\xFF\xFE", "\xFE\xFF"};

bool isUtf16(textfile::Encoding encoding)
{
    return encoding == textfile::Encoding::Utf16Le || encoding == textfile::Encoding::Utf16Be;
}

} // namespace

bool LineReader::feed(std::string_view chunk)
{
    if (m_stopped)
        return false;
    if (m_started) {
        take(chunk);
        return deliverCompleteLines(false);
    }
    m_pending += chunk;
    // Enough to tell the encoding: a byte-order mark or a good stretch of text.
    bool marked = false;
    for (const std::string_view mark : kMarks) {
        if (m_pending.size() < mark.size() && mark.starts_with(m_pending))
            return true; // the start of a mark, perhaps
        marked = marked || m_pending.starts_with(mark);
    }
    if (!marked && m_pending.size() < kDetectionBytes)
        return true;
    start(/*wholeFile=*/false);
    return deliverCompleteLines(false);
}

void LineReader::finish()
{
    if (m_stopped)
        return;
    if (!m_started)
        start(/*wholeFile=*/true);
    if (!m_undecoded.empty())
        m_pending += "\uFFFD"; // half a UTF-16 character at the end
    if (!deliverCompleteLines(true))
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
    if (deliverCompleteLines(true))
        m_pending.clear();
}

void LineReader::start(bool wholeFile)
{
    std::size_t skip = 0;
    const std::string_view head = std::string_view(m_pending).substr(0, kDetectionBytes);
    m_encoding = textfile::detect(head, wholeFile && head.size() == m_pending.size(), skip);
    m_started = true;
    std::string bytes = std::move(m_pending);
    m_pending.clear();
    take(std::string_view(bytes).substr(skip));
}

void LineReader::take(std::string_view bytes)
{
    if (!isUtf16(m_encoding)) {
        m_pending += bytes;
        return;
    }
    m_undecoded += bytes;
    std::size_t used = 0;
    m_pending
            += textfile::decodeUtf16(m_undecoded, m_encoding == textfile::Encoding::Utf16Be, used);
    m_undecoded.erase(0, used);
}

bool LineReader::deliverCompleteLines(bool atEnd)
{
    std::size_t start = 0;
    for (std::size_t end; (end = m_pending.find_first_of("\r\n", start)) != std::string::npos;) {
        std::size_t next = end + 1;
        if (m_pending[end] == '\r') {
            if (next == m_pending.size() && !atEnd)
                break; // the LF of a CR LF may come with the next bytes
            if (next < m_pending.size() && m_pending[next] == '\n')
                ++next;
        }
        // The end of a line that grew too long: what was kept of it stands for the line.
        const std::string_view line
                = m_skipping ? std::string_view(m_cut)
                             : std::string_view(m_pending).substr(start, end - start);
        m_skipping = false;
        if (!deliver(line.substr(0, kMaxLineBytes))) {
            m_pending.clear();
            return false;
        }
        start = next;
    }
    m_pending.erase(0, start);
    // A last CR waits for what follows it; the line before it is kept whole or cut alike.
    const bool lastCr = m_pending.ends_with('\r');
    const std::size_t lineBytes = m_pending.size() - lastCr;
    if (!m_skipping && lineBytes > kMaxLineBytes) {
        m_cut.assign(m_pending, 0, kMaxLineBytes);
        m_skipping = true;
    }
    if (m_skipping)
        m_pending = lastCr ? "\r" : "";
    return true;
}

bool LineReader::deliver(std::string_view line)
{
    m_stopped = !m_onLine(textfile::decodeLine(line, m_encoding));
    return !m_stopped;
}

} // namespace tavolin::text
