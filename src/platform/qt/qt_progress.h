#pragma once

#include "services/progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include <chrono>

namespace tavolin::services {

// Progress in a dialog of its own ("dlgProgress"), modal over the whole program so that nothing
// else can start while the work runs. It appears once the work has run for `showAfter`; from
// then on it refreshes its figures and lets the windows paint and the stop button be pressed
// twenty times a second, so that the work itself is barely slowed. Before it appears the windows
// are painted as often, but what the user does waits for the dialog (or the work's end): no
// window has been shut off from input yet.
class QtProgress final : public Progress
{
public:
    explicit QtProgress(std::chrono::milliseconds showAfter = std::chrono::milliseconds(500));
    ~QtProgress() override;
    QtProgress(const QtProgress &) = delete;
    QtProgress &operator=(const QtProgress &) = delete;

    void start(std::string_view what) override;
    bool advance(std::size_t done, std::size_t total) override;
    void finish() override;
    void askToStop() override { m_stopAsked = true; }

private:
    void show(std::size_t done, std::size_t total);

    std::chrono::milliseconds m_showAfter;
    QElapsedTimer m_clock;
    qint64 m_lastRefresh = 0;
    QString m_what;
    bool m_stopAsked = false;
    QPointer<QProgressDialog> m_dialog;
};

} // namespace tavolin::services
