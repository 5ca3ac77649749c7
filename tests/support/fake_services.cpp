#include "support/fake_services.h"

#include "text/line_reader.h"
#include "text/text_codec.h"

namespace tavolin::test {

namespace {

// The next answer a test queued, or `otherwise` once they are used up.
template<typename T>
T next(std::deque<T> &answers, T otherwise)
{
    if (answers.empty())
        return otherwise;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

services::MessageAnswer FakeDialogs::showMessage(std::string_view text,
                                                 std::string_view title,
                                                 services::MessageButtons buttons,
                                                 services::MessageIcon icon)
{
    messages.push_back({std::string(text), std::string(title), buttons, icon});
    return next(messageAnswers, services::MessageAnswer::Ok);
}

std::optional<std::string> FakeDialogs::askSaveFileName(const services::FileDialogSettings &s)
{
    fileDialogs.push_back({true, s});
    return next(fileAnswers, std::optional<std::string>());
}

std::optional<std::string> FakeDialogs::askOpenFileName(const services::FileDialogSettings &s)
{
    fileDialogs.push_back({false, s});
    return next(fileAnswers, std::optional<std::string>());
}

std::string FakeDialogs::askText(std::string_view prompt, std::string_view title)
{
    textPrompts.emplace_back(prompt, title);
    return next(textAnswers, std::string());
}

std::vector<std::string> FakeDialogs::messageTexts() const
{
    std::vector<std::string> texts;
    for (const auto &m : messages)
        texts.push_back(m.text);
    return texts;
}

std::vector<services::DriveInfo> FakeDrives::list()
{
    std::vector<services::DriveInfo> drives;
    for (const auto &root : roots)
        drives.push_back({root, {}});
    return drives;
}

std::string FakeDrives::driveOf(std::string_view path)
{
    std::string best;
    for (const auto &root : roots) {
        if (path.starts_with(root) && root.size() > best.size())
            best = root;
    }
    // "D:" names the drive D:\ too.
    return best.empty() ? std::string(path.substr(0, 2)) + "\\" : best;
}

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
