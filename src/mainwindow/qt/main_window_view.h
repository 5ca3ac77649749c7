#pragma once

#include "controls/qt/control_bindings.h"
#include "mainwindow/frm_main.h"

#include <QWidget>

namespace tavolin::mainwindow {

// The main window on screen: a fixed-size window whose widgets show FrmMain's controls. Each
// widget's objectName is its control's name.
class MainWindowView : public QWidget
{
public:
    explicit MainWindowView(FrmMain &model, QWidget *parent = nullptr);

private:
    controls::Bindings m_bindings;
};

} // namespace tavolin::mainwindow
