#include "real_program.h"

#include <QAbstractEventDispatcher>
#include <QTest>

#include <charconv>

namespace tavolin::bench {

services::MessageAnswer TimingDialogs::showMessage(std::string_view text,
                                                   std::string_view,
                                                   services::MessageButtons,
                                                   services::MessageIcon)
{
    const Clock::time_point now = Clock::now();
    if (text == kSecondConfirmation) {
        confirmed = now;
    } else if (text.ends_with(kRenamedReport)) {
        reported = now;
        std::from_chars(text.data(), text.data() + text.size(), reportedCount);
    } else if (text != kFirstConfirmation) {
        others.emplace_back(text);
    }
    return services::MessageAnswer::Ok;
}

void settle()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < 100000 && dispatcher->processEvents(QEventLoop::AllEvents);)
        ++round;
}

// Waits until the window is on the screen, so that what follows paints for real.
void waitUntilShown(QWidget *window)
{
    if (!window || !QTest::qWaitForWindowExposed(window))
        throw std::runtime_error("a window did not appear on the X server");
}

void waitUntilListsRead(const mainwindow::FrmMain &main)
{
    const auto read = [&main] {
        return !main.Dir1.reading() && !main.File1.reading();
    };
    if (!QTest::qWaitFor(read, 600000))
        throw std::runtime_error("the main window's lists did not read their folder");
}

} // namespace tavolin::bench
