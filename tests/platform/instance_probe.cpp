// A stand-in for another copy of the program: asks the single-instance lock whether a copy runs,
// prints "running" or "alone", and with an argument ("hold") keeps the lock until its standard
// input closes.
#include "platform/qt/qt_process.h"

#include <cstdio>

int main(int argc, char *[])
{
    tavolin::services::QtProcessServices process;
    std::puts(process.anotherInstanceRunning() ? "running" : "alone");
    std::fflush(stdout);
    while (argc > 1 && std::getchar() != EOF) {
    }
}
