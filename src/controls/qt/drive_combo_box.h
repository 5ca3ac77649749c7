#pragma once

#include <QComboBox>

#include <functional>

namespace tavolin::controls {

// The widget of a drive list. It says when it is about to open, so that the drives are read
// again first: a volume mounted or removed since the window opened shows up or goes.
class DriveComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

    std::function<void()> aboutToOpen;

    void showPopup() override
    {
        if (aboutToOpen)
            aboutToOpen();
        QComboBox::showPopup();
    }
};

} // namespace tavolin::controls
