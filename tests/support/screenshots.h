#pragma once

#include <QString>

class QWidget;

namespace tavolin::test {

// Saves a picture of `widget` as <build folder>/screenshots/<name>.png and returns its path.
QString saveScreenshot(QWidget *widget, const QString &name);

} // namespace tavolin::test
