#pragma once

#include "services/progress.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace tavolin::test {

// Records each piece of work and how far it was said to be, and asks to stop the work described
// as `stopping` once `stopAt` steps are reported done. A work's total is the last one reported.
class FakeProgress : public services::Progress
{
public:
    struct Work
    {
        std::string what;
        std::size_t total = 0;
        std::size_t lastDone = 0;
    };

    void start(std::string_view what) override { works.push_back({std::string(what)}); }
    bool advance(std::size_t done, std::size_t total) override
    {
        works.back().lastDone = done;
        works.back().total = total;
        if (onAdvance)
            onAdvance();
        return done < stopAt || works.back().what != stopping;
    }
    void finish() override {}

    std::string stopping;
    std::size_t stopAt = std::numeric_limits<std::size_t>::max();
    std::function<void()> onAdvance; // runs at each step, to look at the windows meanwhile
    std::vector<Work> works;
};

} // namespace tavolin::test
