#include "support/fake_services.h"

#include "text/line_reader.h"
#include "text/text_codec.h"

namespace tavolin::test {

services::FsResult<void> FakeTextFiles::writeText(std::string_view path, std::string_view text)
{
    if (failWrites)
        return std::unexpected(*failWrites);
    files[std::string(path)] = text::textfile::encode(text);
    return {};
}

services::FsResult<services::TextFiles::ReadEnd> FakeTextFiles::readLines(std::string_view path,
                                                                          const LineHandler &onLine)
{
    const auto it = files.find(path);
    if (it == files.end())
        return std::unexpected(services::FsError{services::FsErrorKind::NotFound, "no such file"});
    ReadEnd end = ReadEnd::Complete;
    text::LineReader reader([&](std::string_view line) {
        if (breakOffAfter && lineReads >= *breakOffAfter)
            end = ReadEnd::BrokeOff;
        else if (++lineReads, !onLine(line))
            end = ReadEnd::Stopped;
        return end == ReadEnd::Complete;
    });
    if (reader.feed(it->second))
        reader.finish();
    return end;
}

} // namespace tavolin::test
