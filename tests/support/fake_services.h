#pragma once

#include "services/clipboard.h"
#include "services/dialogs.h"
#include "services/drives.h"
#include "services/later.h"
#include "services/photo_dates.h"
#include "services/process.h"
#include "services/text_files.h"
#include "text/line_reader.h"
#include "text/text_codec.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ranges>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Test doubles for the platform services other than the file system. Each records what was
// asked of it and answers from what the test put in.
namespace tavolin::test {

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

struct ShownMessage
{
    std::string text;
    std::string title;
    services::MessageButtons buttons;
};

class FakeDialogs : public services::Dialogs
{
public:
    services::MessageAnswer showMessage(std::string_view text,
                                        std::string_view title,
                                        services::MessageButtons buttons,
                                        services::MessageIcon) override
    {
        messages.push_back({std::string(text), std::string(title), buttons});
        return next(messageAnswers, services::MessageAnswer::Ok);
    }
    std::optional<services::SaveChoice>
    askSaveFileName(const services::FileDialogSettings &) override
    {
        fileDialogs += 's';
        const auto path = next(fileAnswers, std::optional<std::string>());
        if (!path)
            return std::nullopt;
        return services::SaveChoice{*path, next(fileTypeAnswers, std::size_t{0})};
    }
    std::optional<std::string> askOpenFileName(const services::FileDialogSettings &) override
    {
        fileDialogs += 'o';
        return next(fileAnswers, std::optional<std::string>());
    }
    std::string askText(std::string_view, std::string_view) override
    {
        return next(textAnswers, std::string());
    }

    // The texts of the messages shown so far.
    std::vector<std::string> messageTexts() const
    {
        const auto texts = messages | std::views::transform(&ShownMessage::text);
        return {texts.begin(), texts.end()};
    }

    std::vector<ShownMessage> messages;
    std::deque<services::MessageAnswer> messageAnswers; // then Ok
    std::string fileDialogs; // 's' for each save dialog asked, 'o' for each open one
    std::deque<std::optional<std::string>> fileAnswers; // then cancel
    std::deque<std::size_t> fileTypeAnswers;            // of the save dialogs; then the first
    std::deque<std::string> textAnswers;                // then "" (cancel)
};

// Drives "C:\", "D:\", "E:\" in the Windows style, or any roots a test gives; the drive of a
// path is the longest root it starts with.
class FakeDrives : public services::Drives
{
public:
    explicit FakeDrives(std::vector<std::string> mounted = {"C:\\", "D:\\", "E:\\"})
        : roots(std::move(mounted))
    {}

    std::vector<services::DriveInfo> list() override
    {
        std::vector<services::DriveInfo> drives;
        for (const auto &root : roots)
            drives.push_back({root, {}});
        return drives;
    }
    std::string driveOf(std::string_view path) override
    {
        std::string best;
        for (const auto &root : roots)
            if (path.starts_with(root) && root.size() > best.size())
                best = root;
        return best.empty() ? std::string(path.substr(0, 2)) + "\\" : best; // "D:" is D:\ too
    }

    std::vector<std::string> roots; // the mounted drives; a test may remove one
};

class FakeProcess : public services::ProcessServices
{
public:
    bool anotherInstanceRunning() override { return anotherRunning; }
    std::string programFolder() override { return programPath; }
    std::string currentFolder() override { return currentPath; }
    std::string homeFolder() override { return homePath; }
    bool userMayWrite(std::string_view folder) override { return !readOnly.contains(folder); }
    void exitNow() override { ++exits; }

    bool anotherRunning = false;
    std::string programPath = "D:\\Tools\\Lister";
    std::string currentPath = "C:\\";
    std::string homePath = "C:\\Users\\me";
    std::set<std::string, std::less<>> readOnly; // folders the user may not write to
    int exits = 0;
};

// The clipboard as a test can read it: each text put there.
class FakeClipboard : public services::Clipboard
{
public:
    void setText(std::string_view text) override { texts.emplace_back(text); }
    std::string text() const override { return texts.empty() ? std::string() : texts.back(); }

    std::vector<std::string> texts;
};

// The event loop's next turn, taken when the test says so.
class FakeLater : public services::Later
{
public:
    void soon(std::function<void()> work) override { waiting.push_back(std::move(work)); }

    // Runs the work waiting now, as the next turn of the event loop does; work asked for
    // meanwhile waits for the turn after. How many pieces of work ran.
    std::size_t turn()
    {
        const std::vector<std::function<void()>> now = std::exchange(waiting, {});
        for (const auto &work : now)
            work();
        return now.size();
    }
    // Turns until no work waits, as the event loop does once the user stops typing.
    void settle()
    {
        while (turn() > 0) {
        }
    }

    std::vector<std::function<void()>> waiting;
};

// Photo dates by path, as a test set them; asked paths are counted.
class FakePhotoDates : public services::PhotoDates
{
public:
    std::optional<std::string> dateTaken(const std::string &path) override
    {
        ++asked;
        const auto date = dates.find(path);
        return date == dates.end() ? std::nullopt : std::optional(date->second);
    }

    std::map<std::string, std::string> dates;
    int asked = 0;
};

// Text files in memory, stored as the bytes that would be on disk.
class FakeTextFiles : public services::TextFiles
{
public:
    services::FsResult<void> writeBytes(std::string_view path, std::string_view bytes) override
    {
        if (failWrites)
            return std::unexpected(*failWrites);
        files[std::string(path)] = bytes;
        return {};
    }
    services::FsResult<LinesRead> readLines(std::string_view path,
                                            const LineHandler &onLine) override
    {
        const auto file = files.find(path);
        if (file == files.end())
            return std::unexpected(services::FsError{services::FsErrorKind::NotFound, {}});
        LinesRead read;
        text::LineReader reader([&](std::string_view line) {
            if (breakOffAfter && lineReads >= *breakOffAfter)
                read.end = ReadEnd::BrokeOff;
            else if (++lineReads, !onLine(line))
                read.end = ReadEnd::Stopped;
            return read.end == ReadEnd::Complete;
        });
        if (reader.feed(file->second))
            reader.finish();
        read.encoding = reader.encoding();
        if (read.end == ReadEnd::BrokeOff)
            read.error = {services::FsErrorKind::NotReady, "EIO"};
        return read;
    }

    services::FsResult<std::string> readBytes(std::string_view path, std::size_t) override
    {
        const auto file = files.find(path);
        if (file == files.end())
            return std::unexpected(services::FsError{services::FsErrorKind::NotFound, {}});
        return file->second;
    }

    std::map<std::string, std::string, std::less<>> files; // path -> bytes
    std::optional<services::FsError> failWrites;
    int lineReads = 0; // lines handed out by readLines, to see that reading stops early
    std::optional<int> breakOffAfter; // reading breaks off after this many lines
};

} // namespace tavolin::test
