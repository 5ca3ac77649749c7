#pragma once

class QListView;

namespace tavolin::controls {

// Gives every row of `view` one height, tall enough for Japanese and Latin text alike, so that
// lists standing side by side keep their rows level whatever their texts: a row's height no
// longer depends on which fonts its own characters come from.
void giveUniformRows(QListView *view);

} // namespace tavolin::controls
