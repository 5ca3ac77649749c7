#pragma once

#include <functional>

class QObject;

namespace tavolin::controls {

// `show` wrapped so that however often it is asked for before the event loop next runs, it runs
// once then, showing the state as it is by that time: a burst of model changes (a batch moving
// the selection through every row) reaches the screen as one update, while the model keeps its
// every notification. Nothing runs once `context` is gone.
std::function<void()> oncePerFrame(QObject *context, std::function<void()> show);

} // namespace tavolin::controls
