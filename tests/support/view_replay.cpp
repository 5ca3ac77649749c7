#include "support/view_replay.h"

#include "text/qt/qt_strings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QScrollBar>

#include <sstream>

namespace tavolin::test {

std::array<std::string, 3> split(std::string_view step)
{
    std::istringstream in{std::string(step)};
    std::array<std::string, 3> words;
    in >> words[0] >> words[1];
    std::getline(in >> std::ws, words[2], '\0');
    return words;
}

void playOnWidgets(QWidget *window, std::string_view script)
{
    for (const std::string &step : steps(script)) {
        const auto [verb, name, value] = split(step);
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
        } else if (verb == "type") { // one key per character, carrying the character itself
            target->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Delete);
            for (const QChar character : text::toQString(value))
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(character), {});
        } else if (verb == "press" || verb == "tick") { // a check box on its box
            const QPoint box(8, target->height() / 2);
            QTest::mouseClick(target, Qt::LeftButton, {}, verb == "tick" ? box : QPoint());
        } else if (verb == "tab" || verb == "backtab") { // landing on each name in turn
            std::istringstream names(name + ' ' + value);
            for (std::string next; names >> next;) {
                QTest::keyClick(window->focusWidget(),
                                verb == "tab" ? Qt::Key_Tab : Qt::Key_Backtab,
                                verb == "tab" ? Qt::NoModifier : Qt::ShiftModifier);
                EXPECT_EQ(text::fromQString(window->focusWidget()->objectName()), next) << step;
            }
        } else if (verb == "shot") {
            saveShot(window->grab(), name, window->devicePixelRatio());
        } else {
            ADD_FAILURE() << "no such step: " << step;
        }
    }
}

void saveShot(const QPixmap &picture, const std::string &name, qreal scale)
{
    const QString folder = QStringLiteral(TAVOLIN_SCREENSHOT_DIR "/");
    const std::string file = name + (scale > 1 ? "@2x.png" : ".png");
    EXPECT_TRUE(QDir().mkpath(folder) && picture.save(folder + text::toQString(file)));
}

std::string fakesState(const Fakes &fakes)
{
    std::ostringstream out;
    const Module1 &m = fakes.module;
    out << m.strMainPath << '|' << m.strRenamePath << '|' << m.flgFileName << '|' << m.intNameRow
        << '|' << m.intExtRow << "\nexits " << fakes.process.exits << '\n';
    for (const std::string &text : fakes.dialogs.messageTexts())
        out << text << '\n';
    for (const auto &[path, bytes] : fakes.textFiles.files)
        out << path << ':' << bytes << '\n';
    return out.str();
}

std::string describeWidgets(QWidget *window, const ModelControls &names)
{
    std::ostringstream out;
    for (const auto &[name, _] : names.lists) {
        auto *view = child<QAbstractItemView>(window, name);
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        const int row = selected.size() == 1 ? selected[0].row() : -1 - selected.size();
        const int current = view->currentIndex().row(); // where the keyboard goes on from
        out << name << " [" << row << (current != row ? '/' + std::to_string(current) : "") << "] ";
        for (int i = 0; i < view->model()->rowCount(); ++i)
            out << (i > 0 ? "|" : "")
                << text::fromQString(view->model()->index(i, 0).data().toString());
        out << '\n';
    }
    for (const auto &[name, _] : names.texts) { // a line, or lines ending in "\r\n" in the model
        QWidget *box = child(window, name);
        QString text = box->property(box->inherits("QLineEdit") ? "text" : "plainText").toString();
        out << name << ' '
            << text::fromQString(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"))) << '\n';
    }
    for (const auto &[name, _] : names.checks) { // 0, 1, or 2 for grayed
        const auto *check = child<QCheckBox>(window, name);
        out << name << ' ' << "021"[check->checkState()] << (check->isEnabled() ? " on" : " off")
            << '\n';
    }
    for (const auto &[name, _] : names.labels)
        out << name << ' ' << text::fromQString(child(window, name)->property("text").toString())
            << '\n';
    for (const auto &[name, _] : names.buttons) {
        const QWidget *b = child(window, name);
        out << name << (b->isEnabled() ? " on" : " off")
            << (b->isVisibleTo(window) ? " shown" : " hidden")
            << (b->property("default").toBool() ? " default" : "") << '\n';
    }
    return out.str();
}

} // namespace tavolin::test

// The test programs with windows run inside a QApplication, by default on the offscreen platform.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
