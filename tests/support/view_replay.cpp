#include "support/view_replay.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <set>
#include <sstream>

namespace tavolin::test {

namespace {

// A key pressed and released where the keyboard focus is in `window`.
void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focused = window->focusWidget();
    QTest::keyClick(focused ? focused : window, static_cast<Qt::Key>(key), modifiers);
}

// Left clicks on the middle of a row, scrolled into sight first as a user would, or on the
// list's empty space below its rows (row -1).
void clickRow(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QPoint at = view->visualRect(index).center();
    if (row < 0) {
        at = QPoint(view->viewport()->width() / 2, view->viewport()->height() - 2);
        const QModelIndex last = view->model()->index(view->model()->rowCount() - 1, 0);
        EXPECT_GT(at.y(), view->visualRect(last).bottom()) << "no empty space below the rows";
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = QStringLiteral(TAVOLIN_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString scale = widget->devicePixelRatio() > 1 ? QStringLiteral("@2x") : QString();
    widget->grab().save(folder + QLatin1Char('/') + name + scale + QStringLiteral(".png"));
}

bool actOnWidgets(QWidget *window, const ModelControls &names, std::string_view words)
{
    std::istringstream in{std::string(words)};
    std::string verb, name, value;
    in >> verb >> name;
    std::getline(in >> std::ws, value, '\0');
    if (verb == "click" || verb == "below") {
        clickRow(child<QAbstractItemView>(window, name), verb == "click" ? std::stoi(value) : -1);
    } else if (verb == "wheel") {
        QWidget *viewport = child<QAbstractItemView>(window, name)->viewport();
        const QPointF at = QRectF(viewport->rect()).center();
        QWheelEvent wheel(at,
                          viewport->mapToGlobal(at),
                          {},
                          {0, -120 * std::stoi(value)},
                          Qt::NoButton,
                          Qt::NoModifier,
                          Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(viewport, &wheel);
    } else if (verb == "key") {
        child(window, name)->setFocus(Qt::TabFocusReason); // as Tab takes it there
        pressKey(window,
                 value == "Up"     ? Qt::Key_Up
                 : value == "Down" ? Qt::Key_Down
                 : value == "Home" ? Qt::Key_Home
                                   : Qt::Key_End);
    } else if (verb == "type") { // one key per character, carrying the character itself
        QWidget *box = child(window, name);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar character : QString::fromStdString(value))
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), {});
    } else if (verb == "press" || verb == "tick") { // a check box on its box
        auto *button = child<QAbstractButton>(window, name);
        const QPoint box(8, button->height() / 2);
        QTest::mouseClick(
                button, Qt::LeftButton, {}, verb == "tick" ? box : button->rect().center());
    } else if (verb == "enter") {
        child(window, name)->setFocus(Qt::TabFocusReason);
        pressKey(window, Qt::Key_Return);
    } else if (verb == "tab" || verb == "backtab") {
        std::set<std::string> visited;
        for (int i = std::stoi(name); i > 0; --i) {
            if (verb == "tab")
                pressKey(window, Qt::Key_Tab);
            else
                pressKey(window, Qt::Key_Backtab, Qt::ShiftModifier);
            visited.insert(window->focusWidget()->objectName().toStdString());
        }
        for (const auto &[list, _] : names.lists)
            EXPECT_TRUE(std::stoi(name) < 21 || visited.contains(list)) << list;
    } else if (verb == "shot") {
        saveScreenshot(window, QString::fromStdString(name));
    } else {
        return false;
    }
    return true;
}

void playOnWidgets(QWidget *window, std::string_view script)
{
    for (const std::string &step : steps(script))
        EXPECT_TRUE(actOnWidgets(window, {}, step)) << step;
}

std::string describeWidgets(QWidget *window, const ModelControls &names)
{
    std::ostringstream out;
    for (const auto &[name, _] : names.lists) {
        auto *view = child<QAbstractItemView>(window, name);
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        const int row = selected.size() == 1 ? selected[0].row() : -1 - selected.size();
        out << name << " [" << row;
        if (view->currentIndex().row() != row) // the keyboard goes on from the current row
            out << '/' << view->currentIndex().row();
        out << "] ";
        for (int i = 0; i < view->model()->rowCount(); ++i)
            out << (i > 0 ? "|" : "") << view->model()->index(i, 0).data().toString().toStdString();
        out << '\n';
    }
    for (const auto &[name, _] : names.texts) {
        auto *line = window->findChild<QLineEdit *>(QString::fromStdString(name));
        const QString text = line ? line->text()
                                  : child<QPlainTextEdit>(window, name)
                                             ->toPlainText()
                                             .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        out << name << ' ' << text.toStdString() << '\n';
    }
    for (const auto &[name, _] : names.checks) {
        auto *check = child<QCheckBox>(window, name);
        const Qt::CheckState state = check->checkState();
        out << name << ' '
            << (state == Qt::Checked     ? 1
                : state == Qt::Unchecked ? 0
                                         : 2)
            << (check->isEnabled() ? " on" : " off") << '\n';
    }
    for (const auto &[name, _] : names.labels)
        out << name << ' ' << child<QLabel>(window, name)->text().toStdString() << '\n';
    for (const auto &[name, _] : names.buttons) {
        auto *b = child<QPushButton>(window, name);
        out << name << (b->isEnabled() ? " on" : " off")
            << (b->isVisibleTo(window) ? " shown" : " hidden") << (b->isDefault() ? " default" : "")
            << '\n';
    }
    return out.str();
}

} // namespace tavolin::test
