#include "support/fake_services.h"

#include "text/line_reader.h"
#include "text/text_codec.h"

namespace tavolin::test {

using services::FsError;
using services::FsErrorKind;

services::MessageAnswer FakeDialogs::showMessage(std::string_view text,
                                                 std::string_view title,
                                                 services::MessageButtons buttons,
                                                 services::MessageIcon icon)
{
    messages.push_back({std::string(text), std::string(title), buttons, icon});
    if (onMessage)
        onMessage(messages.back());
    if (messageAnswers.empty())
        return services::MessageAnswer::Ok;
    const auto answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeDialogs::askSaveFileName(const services::FileDialogSettings &s)
{
    fileDialogs.push_back({true, s});
    if (fileAnswers.empty())
        return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeDialogs::askOpenFileName(const services::FileDialogSettings &s)
{
    fileDialogs.push_back({false, s});
    if (fileAnswers.empty())
        return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::string FakeDialogs::askText(std::string_view prompt, std::string_view title)
{
    textPrompts.emplace_back(prompt, title);
    if (textAnswers.empty())
        return {};
    auto answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

std::vector<std::string> FakeDialogs::messageTexts() const
{
    std::vector<std::string> texts;
    for (const auto &m : messages)
        texts.push_back(m.text);
    return texts;
}

FakeDrives::FakeDrives(std::vector<std::string> mounted)
    : roots(std::move(mounted))
{}

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
        return std::unexpected(FsError{FsErrorKind::NotFound, "no such file"});
    bool stopped = false;
    bool brokeOff = false;
    text::LineReader reader([&](std::string_view line) {
        if (breakOffAfter && lineReads >= *breakOffAfter) {
            brokeOff = true;
            return false;
        }
        ++lineReads;
        stopped = !onLine(line);
        return !stopped;
    });
    if (reader.feed(it->second))
        reader.finish();
    return brokeOff ? ReadEnd::BrokeOff : stopped ? ReadEnd::Stopped : ReadEnd::Complete;
}

} // namespace tavolin::test
