#pragma once

#include "services/process.h"

#include <QString>

#include <optional>

namespace tavolin::services {

// The user's runtime folder, where the single-instance lock and the socket that later starts
// hand their folder over through lie (the temporary folder where the system names none).
QString runtimeFolder();

// The program's own process. The single-instance lock is an flock on a file in the user's
// runtime folder: the system drops it when the process ends in any way, so a crash never
// blocks the next start, while a copy that hangs still counts as running.
class QtProcessServices final : public ProcessServices
{
public:
    QtProcessServices() = default;
    ~QtProcessServices() override;
    QtProcessServices(const QtProcessServices &) = delete;
    QtProcessServices &operator=(const QtProcessServices &) = delete;

    bool anotherInstanceRunning() override;
    std::string programFolder() override;
    std::string currentFolder() override;
    std::string homeFolder() override;
    bool userMayWrite(std::string_view folder) override;
    void exitNow() override;

private:
    std::optional<bool> m_another;
    int m_lockFd = -1;
};

} // namespace tavolin::services
