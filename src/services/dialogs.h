#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavolin::services {

inline constexpr std::string_view kProgramName = "Tavolin";

enum class MessageButtons { Ok, OkCancel }; // with OkCancel, OK is the default button
enum class MessageIcon { None, Exclamation };
enum class MessageAnswer { Ok, Cancel };

struct FileDialogSettings
{
    std::string fileName; // proposed at opening; may be empty
    std::string title;
    // Pairs of description and pattern, all separated by "|":
    // "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*". The first pair is selected at opening.
    std::string filter;
};

// The file the user chose in a save dialog, and the file type selected there: the index of its
// pair in the filter (0 for the first).
struct SaveChoice
{
    std::string path;
    std::size_t fileType = 0;
};

// The modal dialogs a window model may show. Abstract so that tests answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message box; returns the button the user pressed (Cancel also for the close box).
    virtual MessageAnswer showMessage(std::string_view text,
                                      std::string_view title = kProgramName,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None)
            = 0;

    // The path the user chose, or nothing when the dialog was cancelled. The save dialog asks
    // no question about an existing file and adds no extension to the name typed; choosing
    // another file type there changes the extension of the name to the type's.
    virtual std::optional<SaveChoice> askSaveFileName(const FileDialogSettings &settings) = 0;
    virtual std::optional<std::string> askOpenFileName(const FileDialogSettings &settings) = 0;

    // A text input box with no default text; returns what was typed, empty when cancelled.
    virtual std::string askText(std::string_view prompt, std::string_view title) = 0;
};

} // namespace tavolin::services
