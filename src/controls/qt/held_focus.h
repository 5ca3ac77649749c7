#pragma once

class QWidget;

namespace tavolin::controls {

// Enables or disables `widget` as its control says. Qt moves the keyboard focus off a widget as
// it is disabled and never brings it back; a control that long work merely `held` disabled is
// one the user never left, so the focus comes back to it as it is enabled again, unless the
// focus went elsewhere meanwhile (the user or the window's model moved it).
void showEnabledKeepingFocus(QWidget *widget, bool enabled, bool held);

} // namespace tavolin::controls
