#pragma once

#include "services/progress.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <string>

namespace tavolin::test {

// Asks to stop the work described as `stopping` once `stopAt` steps are reported done, and runs
// `onAdvance` at each step.
class FakeProgress : public services::Progress
{
public:
    void start(std::string_view what) override
    {
        m_work = what;
        m_stopAsked = false;
    }
    bool advance(std::size_t done, std::size_t) override
    {
        if (onAdvance)
            onAdvance();
        return !m_stopAsked && (done < stopAt || m_work != stopping);
    }
    void finish() override {}
    void askToStop() override { m_stopAsked = true; }

    std::string stopping;
    std::size_t stopAt = std::numeric_limits<std::size_t>::max();
    std::function<void()> onAdvance; // runs at each step, to look at the windows meanwhile

private:
    std::string m_work;
    bool m_stopAsked = false;
};

} // namespace tavolin::test
