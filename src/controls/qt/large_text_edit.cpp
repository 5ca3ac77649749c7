#include "controls/qt/large_text_edit.h"

#include <QPalette>

namespace tavolin::controls {

namespace {

// The changes told to reportModified: the user's insertions and removals.
constexpr long kUserEdits
        = QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;

} // namespace

LargeTextEdit::LargeTextEdit(QWidget *parent)
    : QsciScintillaBase(parent)
{
    // No per-byte styles: the text shows in one style, and a text of 100 MB takes 100 MB.
    const long document
            = SendScintilla(SCI_CREATEDOCUMENT, 0UL, long{SC_DOCUMENTOPTION_STYLES_NONE});
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);
    SendScintilla(SCI_SETCODEPAGE, long{SC_CP_UTF8});
    SendScintilla(SCI_SETEOLMODE, long{SC_EOL_CRLF});
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1L);
    SendScintilla(SCI_SETMARGINS, 0L);
    SendScintilla(SCI_SETMARGINLEFT, 0UL, 4L);
    SendScintilla(SCI_USEPOPUP, long{SC_POPUP_TEXT});
    SendScintilla(SCI_SETMODEVENTMASK, kUserEdits);
    // The horizontal scroll bar spans the longest line laid out so far, not a fixed width.
    SendScintilla(SCI_SETSCROLLWIDTH, 1L);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1L);
    // The look of the other text boxes: the window's font and colours.
    const QByteArray family = font().family().toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(STYLE_DEFAULT), family.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL,
                  static_cast<unsigned long>(STYLE_DEFAULT),
                  static_cast<long>(font().pointSizeF() * int{SC_FONT_SIZE_MULTIPLIER}));
    const QPalette colours = palette();
    SendScintilla(
            SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), colours.text().color());
    SendScintilla(
            SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), colours.base().color());
    SendScintilla(SCI_STYLECLEARALL);
    SendScintilla(SCI_SETSELFORE, 1UL, colours.highlightedText().color());
    SendScintilla(SCI_SETSELBACK, 1UL, colours.highlight().color());
    SendScintilla(SCI_SETCARETFORE, colours.text().color());
    connect(this,
            &QsciScintillaBase::SCN_MODIFIED,
            this,
            [this](int position,
                   int type,
                   const char *text,
                   int length,
                   int,
                   int,
                   int,
                   int,
                   int,
                   int) { reportModified(position, type, text, length); });
}

std::string LargeTextEdit::text() const
{
    const auto *bytes = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return std::string(bytes, size());
}

std::size_t LargeTextEdit::size() const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
}

int LargeTextEdit::lineCount() const
{
    return static_cast<int>(SendScintilla(SCI_GETLINECOUNT));
}

void LargeTextEdit::splice(std::size_t at, std::size_t removed, std::string_view inserted)
{
    m_splicing = true;
    // Told of a change, QScintilla's notification costs about the length of the whole text:
    // with it, each scan appended to a listing of millions of lines took seconds, not a tenth.
    SendScintilla(SCI_SETMODEVENTMASK, 0L);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_SETTARGETRANGE, at, static_cast<long>(at + removed));
    // Scintilla refuses a null text, which an empty view may hold.
    SendScintilla(SCI_REPLACETARGET,
                  static_cast<uintptr_t>(inserted.size()),
                  inserted.empty() ? "" : inserted.data());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_SETMODEVENTMASK, kUserEdits);
    m_splicing = false;
}

bool LargeTextEdit::focusNextPrevChild(bool next)
{
    // Scintilla keeps Tab to type it; here it moves the focus, as from every other control.
    return QWidget::focusNextPrevChild(next);
}

void LargeTextEdit::reportModified(int position, int type, const char *text, int length)
{
    if (m_splicing || !m_edited)
        return;
    const auto at = static_cast<std::size_t>(position);
    const auto bytes = static_cast<std::size_t>(length);
    if (type & SC_MOD_INSERTTEXT)
        m_edited(at, 0, std::string_view(text, bytes));
    else if (type & SC_MOD_DELETETEXT)
        m_edited(at, bytes, {});
}

} // namespace tavolin::controls
