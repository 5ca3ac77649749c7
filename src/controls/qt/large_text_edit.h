#pragma once

#include <QObject>

// QScintilla's header uses the words for signals and slots that this program's Qt code goes
// without (QT_NO_KEYWORDS).
#define signals Q_SIGNALS
#define slots Q_SLOTS
#include <Qsci/qsciscintillabase.h>
#undef signals
#undef slots

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tavolin::controls {

// A text area made for texts of millions of lines: it keeps the exact bytes it is given (UTF-8,
// lines ending in CR LF) and lays out only the lines in sight, so that a long text added at its
// end costs about its length. The user types into it as into any text box; Tab moves the focus
// on rather than typing a tab.
class LargeTextEdit : public QsciScintillaBase
{
public:
    explicit LargeTextEdit(QWidget *parent = nullptr);

    std::string text() const;
    std::size_t size() const;
    int lineCount() const;

    // The `removed` bytes at `at` replaced by `inserted`, by the program: `edited` does not
    // report it, and it cannot be undone.
    void splice(std::size_t at, std::size_t removed, std::string_view inserted);

    // Runs with each change the user makes: the `removed` bytes at `at` replaced by `inserted`.
    using EditedHandler
            = std::function<void(std::size_t at, std::size_t removed, std::string_view inserted)>;
    void onEdited(EditedHandler handler) { m_edited = std::move(handler); }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void reportModified(int position, int type, const char *text, int length);

    EditedHandler m_edited;
    bool m_splicing = false;
};

} // namespace tavolin::controls
