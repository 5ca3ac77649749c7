#include "text/qt/qt_strings.h"

#include "text/utf8.h"

namespace tavolin::text {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscapedByte(char16_t unit)
{
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

} // namespace

QString toQString(std::string_view text)
{
    if (utf8::isValid(text))
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = utf8::decodeNext(text, pos);
        if (utf8::isStrayByte(c))
            result += QChar(static_cast<char16_t>(kEscapeBase + (c - utf8::kStrayByte)));
        else
            result += QString::fromUcs4(&c, 1);
    }
    return result;
}

std::string fromQString(const QString &text)
{
    const char16_t *units = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype size = text.size();
    std::string result;
    result.reserve(static_cast<std::size_t>(size));
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const bool escaped
                = isEscapedByte(units[i]) && (i == 0 || !QChar::isHighSurrogate(units[i - 1]));
        if (!escaped)
            continue;
        result += QStringView(text).mid(runStart, i - runStart).toUtf8().toStdString();
        result += static_cast<char>(units[i] - kEscapeBase);
        runStart = i + 1;
    }
    result += QStringView(text).mid(runStart).toUtf8().toStdString();
    return result;
}

QString toDisplayName(std::string_view name)
{
    return toQString(printableName(name));
}

} // namespace tavolin::text
