#include "x_server.h"

#include <QStandardPaths>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tavolin::bench {

std::optional<int> XServer::start()
{
    const std::string program
            = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
    if (program.empty()) {
        std::fprintf(stderr, "Xvfb is missing (Debian package xvfb)\n");
        return {};
    }
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for Xvfb");
    // Xvfb writes the display it found free to this end, then keeps it open.
    std::vector<std::string> args{"Xvfb",
                                  "-displayfd",
                                  std::to_string(ends[1]),
                                  "-screen",
                                  "0",
                                  "1280x1024x24",
                                  "-nolisten",
                                  "tcp"};
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t bench = ::getpid();
    m_pid = ::fork();
    if (m_pid == 0) { // only calls that are safe between fork and exec
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != bench || ::fcntl(ends[1], F_SETFD, 0) != 0)
            ::_exit(127);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    std::string answer;
    char buffer[16];
    pollfd readable{ends[0], POLLIN, 0};
    while (m_pid > 0 && !answer.ends_with('\n') && ::poll(&readable, 1, 10000) > 0) {
        const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(ends[0]);
    int display = -1;
    if (std::from_chars(answer.data(), answer.data() + answer.size(), display).ec != std::errc()) {
        std::fprintf(stderr, "Xvfb did not start (%s)\n", program.c_str());
        stop();
        return {};
    }
    return display;
}

void XServer::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

} // namespace tavolin::bench
