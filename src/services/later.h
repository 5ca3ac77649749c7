#pragma once

#include <functional>
#include <memory>

namespace tavolin::services {

// Work put off until the program has handled the events that wait now (keys typed meanwhile, a
// paste, paints): the next turn of its event loop. Abstract so that tests turn the loop by hand.
class Later
{
public:
    virtual ~Later() = default;

    // Runs `work` on this thread at the next turn of the event loop, after the events waiting
    // now; work asked for in one turn runs in the order asked. The caller sees to it that what
    // `work` uses still lives then (see Coalesced).
    virtual void soon(std::function<void()> work) = 0;
};

// Work that many changes in a row each ask for, done once for all of them: a preview that every
// key of a fast typist asks for is computed once, for the last text. Nothing runs once this is
// gone.
class Coalesced
{
public:
    Coalesced(Later &later, std::function<void()> work);
    Coalesced(const Coalesced &) = delete;
    Coalesced &operator=(const Coalesced &) = delete;

    // The work runs at the next turn of the event loop, once however often it is asked for
    // until then.
    void ask();
    // Does the work now if it was asked for and has not run since; the next turn then has
    // nothing to do, unless it is asked for again.
    void settle();
    // Forgets that the work was asked for.
    void drop() { *m_pending = false; }
    bool pending() const { return *m_pending; }

private:
    Later &m_later;
    std::function<void()> m_work;
    std::shared_ptr<bool> m_pending = std::make_shared<bool>(false);
};

} // namespace tavolin::services
