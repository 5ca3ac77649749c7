#include "listing/xlsx_listing.h"

#include "listing/exported_files.h"

#include <xlsxwriter.h>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <regex>
#include <string>

namespace tavolin::listing {

namespace {

constexpr std::size_t kRowsForFiles = LXW_ROW_MAX - 1; // below the header row
constexpr std::string_view kTooManyFiles
        = "Excelブックの1枚のシートには1,048,575ファイルまでしか入りません。CSVで保存してください";
constexpr std::string_view kNotMade = "Excelブックを作れませんでした: ";

// A book writes a character XML cannot hold as "_xHHHH_" (a carriage return as "_x000D_"), and
// every reader turns such a text back into the character: a cell's own "_xHHHH_" is written
// with its underscore so written, "_x005F_", to be read as it is.
std::string withOwnEscapesKept(const std::string &cell)
{
    if (cell.find("_x") == std::string::npos)
        return cell;
    static const std::regex kEscape("_x[0-9A-Fa-f]{4}_");
    return std::regex_replace(cell, kEscape, "_x005F$&");
}

// A file in memory only, for the library that writes to a path: nothing is left on a disk,
// whatever happens.
class MemoryFile
{
public:
    MemoryFile()
        : m_fd(::memfd_create("tavolin-xlsx", MFD_CLOEXEC))
    {}
    ~MemoryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    bool opened() const { return m_fd >= 0; }
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

    services::FsResult<std::string> content() const
    {
        struct stat facts
        {};
        if (::fstat(m_fd, &facts) != 0)
            return std::unexpected(services::fsErrorFromErrno(errno));
        std::string bytes(static_cast<std::size_t>(facts.st_size), '\0');
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t got = ::pread(
                    m_fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            if (got <= 0)
                return std::unexpected(services::fsErrorFromErrno(got < 0 ? errno : EIO));
            done += static_cast<std::size_t>(got);
        }
        return bytes;
    }

private:
    int m_fd;
};

lxw_format *numberFormat(lxw_workbook *book, const char *format)
{
    lxw_format *made = workbook_add_format(book);
    format_set_num_format(made, format);
    return made;
}

lxw_datetime localDateTime(services::FileTime time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
            std::chrono::time_point_cast<std::chrono::system_clock::duration>(time));
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            static_cast<double>(local.tm_sec)};
}

services::FsError notMade(std::string_view why)
{
    return {services::FsErrorKind::Other, std::string(kNotMade) + std::string(why)};
}

} // namespace

services::FsResult<std::string> xlsxSheet(const FileSheet &sheet)
{
    if (sheet.rows > kRowsForFiles)
        return std::unexpected(
                services::FsError{services::FsErrorKind::Other, std::string(kTooManyFiles)});
    const MemoryFile file;
    if (!file.opened())
        return std::unexpected(services::fsErrorFromErrno(errno));
    // Row by row, each written out at once, so that a long listing takes little memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const std::string path = file.path();
    lxw_workbook *book = workbook_new_opt(path.c_str(), &options);
    if (!book)
        return std::unexpected(notMade(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));
    lxw_worksheet *worksheet = workbook_add_worksheet(book, nullptr);
    lxw_format *text = numberFormat(book, "@");
    lxw_format *whole = numberFormat(book, "0");
    lxw_format *date = numberFormat(book, "yyyy-mm-dd hh:mm:ss");
    // Columns wide enough for a name and a time, typed as their cells are.
    const auto texts = static_cast<lxw_col_t>(sheet.texts.size());
    for (lxw_col_t column = 0; column < texts; ++column)
        worksheet_set_column(worksheet, column, column, sheet.texts[column].width, text);
    worksheet_set_column(worksheet, texts, texts, 14, whole);
    worksheet_set_column(worksheet, texts + 1, texts + 1, 20, date);
    worksheet_set_column(worksheet, texts + 2, texts + 2, 36, text);
    worksheet_freeze_panes(worksheet, 1, 0);

    lxw_error failed = LXW_NO_ERROR; // the first cell that could not be written
    const auto keep = [&failed](lxw_error error) {
        if (failed == LXW_NO_ERROR)
            failed = error;
    };
    const auto writeText = [&](lxw_row_t row, lxw_col_t column, const std::string &cell) {
        keep(worksheet_write_string(
                worksheet, row, column, withOwnEscapesKept(cell).c_str(), text));
    };
    for (lxw_col_t column = 0; column < texts; ++column)
        writeText(0, column, std::string(sheet.texts[column].caption));
    for (lxw_col_t column = 0; column < kFactColumns.size(); ++column)
        writeText(0, texts + column, std::string(kFactColumns[column]));
    for (std::size_t at = 0; at < sheet.rows; ++at) {
        const auto row = static_cast<lxw_row_t>(at + 1);
        const FileSheetRow file = sheet.row(at);
        for (lxw_col_t column = 0; column < file.texts.size(); ++column)
            writeText(row, column, file.texts[column]);
        if (file.facts.known()) {
            keep(worksheet_write_number(
                    worksheet, row, texts, static_cast<double>(file.facts.size), whole));
            lxw_datetime modified = localDateTime(file.facts.modified);
            keep(worksheet_write_datetime(worksheet, row, texts + 1, &modified, date));
        }
        writeText(row, texts + 2, file.nameBytes);
    }
    const lxw_error closed = workbook_close(book);
    if (failed != LXW_NO_ERROR || closed != LXW_NO_ERROR)
        return std::unexpected(notMade(lxw_strerror(failed != LXW_NO_ERROR ? failed : closed)));
    return file.content();
}

services::FsResult<std::string> xlsxListing(std::span<const std::string> names,
                                            std::span<const services::FileFacts> facts)
{
    return xlsxSheet(listingSheet(names, facts));
}

} // namespace tavolin::listing
