#pragma once

namespace tavolin::services {

// How a long work ended: a scan, a batch, a taking back, a recovery. Each long work gives one of
// these with what it did, so that the windows tell every ending the same way.
enum class WorkEnd {
    NotStarted, // nothing was done: the user said no, or there was nothing to do
    Refused,    // nothing was done: the work found reasons before it began (the rows' problems)
    Failed,     // the world refused a step; the steps before stay done
    Stopped,    // the user stopped it at a point where everything is whole
    Done        // every step is done
};

} // namespace tavolin::services
