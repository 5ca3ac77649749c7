#include "platform/qt/qt_process.h"

#include "text/qt/qt_strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <unistd.h>

namespace tavolin::services {

namespace {

std::string folderOf(const std::string &file)
{
    const auto cut = file.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : file.substr(0, cut);
}

} // namespace

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

QtProcessServices::~QtProcessServices()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool QtProcessServices::anotherInstanceRunning()
{
    if (m_another)
        return *m_another;
    const std::string lockPath = text::fromQString(runtimeFolder()) + "/tavolin.lock";
    m_lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is no way to tell; better to start than to refuse.
    m_another = m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    return *m_another;
}

std::string QtProcessServices::programFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return text::fromQString(QCoreApplication::applicationDirPath());
    return folderOf(std::string(buffer, static_cast<std::size_t>(length)));
}

std::string QtProcessServices::currentFolder()
{
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer))
        return "/";
    return buffer;
}

std::string QtProcessServices::homeFolder()
{
    return text::fromQString(QDir::homePath());
}

bool QtProcessServices::userMayWrite(std::string_view folder)
{
    return ::access(std::string(folder).c_str(), W_OK | X_OK) == 0;
}

void QtProcessServices::exitNow()
{
    QCoreApplication::exit(0);
}

} // namespace tavolin::services
