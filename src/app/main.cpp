#include <cstdio>

int main()
{
    std::puts("Tavolin: the listing engine is built; the main window is not there yet.");
    return 0;
}
