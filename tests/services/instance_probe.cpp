// A stand-in for a second copy of the program: asks the single-instance lock whether another
// copy runs, prints "running" or "alone", and with the argument "hold" keeps the lock until its
// standard input closes.
#include "services/qt/qt_process.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    tavolin::services::QtProcessServices process;
    std::puts(process.anotherInstanceRunning() ? "running" : "alone");
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "hold") == 0) {
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}
