#pragma once

class QWidget;

namespace tavolin::controls {

// Sets the Tab order of the controls on `body` to the order in which their places on screen
// read: from the top down and from left to right. Controls that stand in rows are read row by
// row; beside a control that spans several rows (a tall list, a frame), the controls in the
// column it stands in are read to its end first, then the next column. A frame's controls, and
// those of any other widget that takes no focus itself, are read in their own order where the
// widget stands. Controls that overlap by a few pixels (a button reaching over a frame's border)
// count as standing apart; controls in one place (shown one at a time) go from the top, then
// from the left. Hidden controls are placed too, so that one shown later is in its place.
//
// Call it once the controls stand where they will: it lays out the body's layouts first.
void setReadingTabOrder(QWidget *body);

} // namespace tavolin::controls
