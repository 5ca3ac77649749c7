#include "controls/qt/control_bindings.h"
#include "controls/qt/once_per_frame.h"

#include "text/qt/qt_strings.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace tavolin::controls {

namespace {

// The most of an appended text laid out in one turn of the event loop: about 20,000 lines of a
// listing, a tenth of a second.
constexpr std::size_t kAppendedPart = 1 << 20;

QString fromModelLines(const std::string &text)
{
    QString shown = text::toQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

std::string toModelLines(const QString &shown)
{
    QString text = shown;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text::fromQString(text);
}

} // namespace

void Bindings::lineEdit(QLineEdit *widget, TextBox &model)
{
    const auto showText = [widget, &model] {
        if (text::fromQString(widget->text()) != model.text()) {
            const QSignalBlocker blocker(widget);
            widget->setText(text::toQString(model.text()));
        }
    };
    const auto showAppearanceOnly = [widget, &model] {
        showAppearance(widget, model);
    };
    showText();
    showAppearanceOnly();
    if (!model.toolTip().empty())
        widget->setToolTip(text::toQString(model.toolTip()));
    // A batch shows each row's planned name here in turn: only the last reaches the screen.
    keep(model.changed.connectScoped(oncePerFrame(widget, showText)));
    keep(model.appearanceChanged.connectScoped(showAppearanceOnly));
    keep(model.focusRequested.connectScoped([widget] { widget->setFocus(); }));
    QObject::connect(widget, &QLineEdit::textEdited, widget, [&model](const QString &text) {
        model.setText(text::fromQString(text));
    });
}

void Bindings::textEdit(QPlainTextEdit *widget, TextBox &model)
{
    // What the widget holds, in the model's terms, so that an edit by the user and the
    // model's echo of it do not set the text twice.
    auto shownText = std::make_shared<std::string>(model.text());
    widget->setPlainText(fromModelLines(model.text()));
    // Tab moves the focus on, as from every other control: typed into the text, it would
    // change the listing of a user who only meant to move on.
    widget->setTabChangesFocus(true);
    // The widget shows a long appended text in parts, one per turn of the event loop, so that
    // the window keeps answering while it lays out a scan of many files; the user cannot type
    // into it meanwhile, as the model holds the whole text already.
    auto showText = std::make_shared<std::function<void()>>();
    *showText = [widget, &model, shownText, weakShow = std::weak_ptr(showText)] {
        const std::string &text = model.text();
        if (*shownText == text)
            return;
        const QSignalBlocker blocker(widget);
        QTextDocument *document = widget->document();
        // A scan appended to the listing, or a page back to the listing before it, changes only
        // its end: only that is laid out anew, so a listing of many scans stays quick. As with a
        // new text, the change cannot be undone in the widget. (Never between a CR and its LF.)
        document->setUndoRedoEnabled(false);
        const std::string_view shown = *shownText;
        bool more = false;
        if (!shown.ends_with('\r') && text.starts_with(shown)) {
            std::size_t end = text.size();
            if (end - shown.size() > kAppendedPart) {
                end = text.rfind('\n', shown.size() + kAppendedPart) + 1;
                more = end > shown.size() && end < text.size();
                if (!more)
                    end = text.size();
            }
            QTextCursor cursor(document);
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(fromModelLines(text.substr(shown.size(), end - shown.size())));
            shownText->append(text, shown.size(), end - shown.size());
        } else if (!text.empty() && !text.ends_with('\r') && shown.starts_with(text)) {
            // Where the kept text ends: its last line's place in the block of that line.
            const std::size_t lastLine = text.rfind('\n') + 1; // 0 when there is one line
            const auto line = static_cast<int>(std::ranges::count(text, '\n'));
            QTextCursor cut(document);
            cut.setPosition(document->findBlockByNumber(line).position()
                            + static_cast<int>(text::toQString(text.substr(lastLine)).size()));
            cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cut.removeSelectedText();
            *shownText = text;
        } else {
            widget->setPlainText(fromModelLines(text));
            *shownText = text;
        }
        document->setUndoRedoEnabled(true);
        widget->setReadOnly(more);
        if (more)
            QTimer::singleShot(0, widget, [weakShow] {
                if (const auto show = weakShow.lock())
                    (*show)();
            });
    };
    keep(model.changed.connectScoped([showText] { (*showText)(); }));
    keep(model.appearanceChanged.connectScoped(
            [widget, &model] { showAppearance(widget, model); }));
    keep(model.focusRequested.connectScoped([widget] { widget->setFocus(); }));
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [widget, &model, shownText] {
        *shownText = toModelLines(widget->toPlainText());
        model.setText(*shownText);
    });
}

} // namespace tavolin::controls
