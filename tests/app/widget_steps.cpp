#include "widget_steps.h"

#include "support/model_script.h"
#include "text/qt/qt_strings.h"

#include <QAbstractItemView>
#include <QDir>
#include <QKeySequence>
#include <QScrollBar>
#include <QTest>

#include <sstream>

namespace tavolin {

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), {});
}

// Saves `picture` as the screenshot NAME, <build folder>/screenshots/NAME.png (NAME@2x.png at
// double scale).
void saveShot(const QPixmap &picture, const std::string &name, qreal scale)
{
    const QString folder = QStringLiteral(TAVOLIN_SCREENSHOT_DIR "/");
    const std::string file = name + (scale > 1 ? "@2x.png" : ".png");
    EXPECT_TRUE(QDir().mkpath(folder) && picture.save(folder + text::toQString(file)));
}

// Does each action of `script` to the widgets of `window`: the words test::act() knows, and
//   below LIST        a click below the last row    scroll LIST N  the wheel, N notches down
//   tab A B ...       Tab pressed once for each name, landing on the widget so named
//   backtab A B ...   the same with Shift+Tab       shot NAME      a screenshot (see saveShot)
//   pick COMBO N      item N chosen with the keys: Home, then Down N times
void playOnWidgets(QWidget *window, std::string_view script)
{
    for (const std::string &step : test::steps(script)) {
        std::istringstream in(step); // the verb, the name after it and the rest
        std::string verb, name, value;
        std::getline(in >> verb >> name >> std::ws, value);
        QWidget *target = verb == "shot" ? window : child(window, name);
        auto *list = qobject_cast<QAbstractItemView *>(target);
        if (verb == "click" || verb == "below") { // a row scrolled into sight first, as by a user
            const QModelIndex row = list->model()->index(verb == "click" ? stoi(value) : -1, 0);
            list->scrollTo(row);
            const QPoint at = row.isValid() ? list->visualRect(row).center()
                                            : QPoint(5, list->viewport()->height() - 2); // below
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        } else if (verb == "scroll") { // as far as the wheel goes: three steps a notch
            QScrollBar *bar = list->verticalScrollBar();
            bar->setValue(bar->value() + 3 * bar->singleStep() * stoi(value));
        } else if (verb == "key" || verb == "enter") {
            target->setFocus(Qt::TabFocusReason); // as Tab takes it there
            const QString keys = text::toQString(verb == "enter" ? "Return" : value);
            QTest::keySequence(window->focusWidget(), QKeySequence::fromString(keys));
        } else if (verb == "type") {
            target->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Delete);
            typeText(target, text::toQString(value));
        } else if (verb == "press" || verb == "tick"
                   || verb == "choose") { // at the left, as on a box
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        } else if (verb == "tab" || verb == "backtab") { // landing on each name in turn
            std::istringstream names(name + ' ' + value);
            for (std::string next; names >> next;) {
                QTest::keyClick(window->focusWidget(),
                                verb == "tab" ? Qt::Key_Tab : Qt::Key_Backtab,
                                verb == "tab" ? Qt::NoModifier : Qt::ShiftModifier);
                EXPECT_EQ(text::fromQString(window->focusWidget()->objectName()), next) << step;
            }
        } else if (verb == "pick") {
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_Home);
            for (int down = 0; down < stoi(value); ++down)
                QTest::keyClick(target, Qt::Key_Down);
        } else if (verb == "shot") {
            saveShot(window->grab(), name, window->devicePixelRatio());
        } else {
            ADD_FAILURE() << "no such step: " << step;
        }
    }
}

} // namespace tavolin
