#pragma once

// The program as its main() builds it, on the X server a bench started, for benches that drive
// its real windows.
#include "app/windows.h"
#include "controls/qt/background_threads.h"
#include "platform/posix_file_system.h"
#include "platform/posix_journal_store.h"
#include "platform/posix_text_files.h"
#include "platform/qt/qt_drives.h"
#include "platform/qt/qt_later.h"
#include "platform/qt/qt_progress.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <QWidget>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::bench {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

inline constexpr std::string_view kFirstConfirmation = "変更を適用してもいい？";
inline constexpr std::string_view kSecondConfirmation = "ほんとにいいの？";
inline constexpr std::string_view kRenamedReport = "変更されました。";

// Answers every message with OK, as a user who agrees to everything, and notes when the second
// confirmation of a batch was answered and when its report came.
class TimingDialogs final : public services::Dialogs
{
public:
    services::MessageAnswer showMessage(std::string_view text,
                                        std::string_view,
                                        services::MessageButtons,
                                        services::MessageIcon) override;
    std::optional<services::SaveChoice>
    askSaveFileName(const services::FileDialogSettings &) override
    {
        return {};
    }
    std::optional<std::string> askOpenFileName(const services::FileDialogSettings &) override
    {
        return openAnswer;
    }
    std::string askText(std::string_view, std::string_view) override { return {}; }

    // Forgets the last batch, before the next.
    void forget()
    {
        confirmed.reset();
        reported.reset();
        reportedCount = -1;
        others.clear();
    }

    std::optional<std::string> openAnswer; // the file every open dialog picks; else cancel
    std::optional<Clock::time_point> confirmed, reported;
    int reportedCount = -1;
    std::vector<std::string> others; // any other message: something went wrong
};

// Runs the event loop until it has nothing left to do: posted events, layouts, paints.
void settle();

// Waits until the window is on the screen, so that what follows paints for real.
void waitUntilShown(QWidget *window);

// Waits until the main window's folder list and file list have read their folder.
void waitUntilListsRead(const mainwindow::FrmMain &main);

template<typename Widget = QWidget>
Widget *child(QWidget *window, const char *name)
{
    auto *found = window->findChild<Widget *>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no widget ") + name);
    return found;
}

// How long Program waits for the main window's lists.
enum class Lists { Filled, AsTheyCome };

// The program as its main() builds it, with the program's folder (where both windows start)
// given, messages answered by TimingDialogs and journals kept in a new folder under `root`. It
// is ready once the main window is on the screen and, unless asked otherwise, its lists have
// read their folder in the background, so that this reading takes nothing from what is timed.
struct Program
{
    Program(const std::string &startFolder, const std::string &root, Lists lists = Lists::Filled)
        : stateFolder(root)
    {
        process.programPath = process.currentPath = process.homePath = startFolder;
        if (!windows.start())
            throw std::runtime_error("the main window did not open");
        waitUntilShown(windows.mainView());
        if (lists == Lists::Filled)
            waitUntilListsRead(windows.frmMain());
    }

    services::PosixFileSystem fs;
    services::QtDrives drives;
    TimingDialogs dialogs;
    services::PosixTextFiles textFiles;
    // Not the real one: it would take the single-instance lock, and refuse while Tavolin runs.
    test::FakeProcess process;
    test::TempDir stateFolder;
    services::PosixJournalStore journals{stateFolder.path()};
    services::QtProgress progress;
    test::FakePhotoDates photoDates;
    test::FakeClipboard clipboard;
    services::QtLater later;
    controls::BackgroundThreads background; // the lists' reading, as main() has it
    Windows windows{{fs,
                     drives,
                     dialogs,
                     textFiles,
                     process,
                     journals,
                     progress,
                     photoDates,
                     clipboard,
                     later},
                    &background};
};

} // namespace tavolin::bench
