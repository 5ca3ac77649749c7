#pragma once

#include "controls/background.h"
#include "controls/controls.h"
#include "order/file_order.h"
#include "services/drives.h"
#include "services/file_system.h"
#include "text/packed_strings.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Models of the drive list, the folder list and the file list of a window. As with the simple
// controls, `changed` runs only on a real change, and runs the window's handler (connected as the
// window is built) before the view, which connects later, redraws. A drive that is picked again
// or a folder opened again announces nothing; `volumesChanged` and `contentsChanged` only ask
// the view to read the drives or the subfolders anew and run no handler.
namespace tavolin::controls {

// The drive list: which drive is current, and the folder each drive was last at.
class DriveList : public Control
{
public:
    DriveList(services::Drives &drives, std::string_view initialFolder);

    // The root of the current drive.
    const std::string &drive() const { return m_drive; }

    // Makes the drive that holds `path` current; runs `changed` when that is another drive.
    void setDrive(std::string_view path);

    // The user picked the drive whose root is `root` from the list. It becomes current as it
    // is, also when it was removed since the list was read (then isMounted() says so); runs
    // `changed` when it is another drive.
    void pick(std::string_view root);

    // Whether the current drive is still among the machine's drives.
    bool isMounted() const;

    // Reads the machine's drives again, as the list opens: `volumesChanged` tells the view
    // to show available() anew.
    void refresh() { volumesChanged.emit(); }

    // The folder the current drive was last at: its root until a folder of it was opened.
    std::string currentFolder() const;

    // Notes `folder` as the current folder of the drive that holds it.
    void rememberFolder(std::string_view folder);

    std::vector<services::DriveInfo> available() const { return m_drives.list(); }

    Signal<> changed;
    Signal<> volumesChanged;

private:
    services::Drives &m_drives;
    std::string m_drive;
    std::map<std::string, std::string, std::less<>> m_folders;
};

// One row of the folder list: a folder, the name it is shown by, how far in it lies (the root
// at 0), and whether it is open (the current folder or one on the way to it) or inside the current
// folder.
struct FolderRow
{
    std::string path;
    std::string name;
    int depth = 0;
    bool open = true;
};

// The folder list: the current folder of a window, and the folders around it. Given a
// Background, it reads the folders inside in the background: the rows show the way to the
// folder at once, and the folders inside once they are read (contentsChanged then runs again).
class FolderList : public Control
{
public:
    FolderList(services::FileSystem &fs,
               std::string_view initialPath,
               Background *background = nullptr);

    const paths::FolderPath &folder() const { return m_folder; }
    const std::string &path() const { return m_folder.path(); }

    // Opens `path` (a trailing separator is dropped). Fails, changing nothing, when the folder
    // cannot be opened; runs `changed` when the folder is another one.
    services::FsResult<void> setPath(std::string_view path);

    // What the list shows: the root and each folder down to the current one (the last open
    // row), then the folders inside the current one, in name order, one step further in. The
    // folders inside are those read when the folder was opened or last refreshed.
    const std::vector<FolderRow> &rows() const { return m_rows; }

    // Why the folders inside the current one could not be read, the last time they were (a
    // folder that may be entered but not listed, a disk gone meanwhile); none when they were.
    const std::optional<services::FsError> &error() const { return m_error; }

    // Whether the folders inside are being read in the background, and not yet among the rows.
    bool reading() const { return m_reading; }

    // Reads the folders inside the current one again (they may have changed) and tells the
    // view.
    void refresh();

    Signal<> changed;
    Signal<> contentsChanged; // the folders inside, or the error, were read anew
    // After contentsChanged, when the folders inside could not be read: why.
    Signal<const services::FsError &> readFailed;

private:
    // Reads the folders inside the current one and the rows that show them (in the background,
    // the rows of the way to it at once, those of the folders inside once read).
    void readSubfolders();
    // The rows of the folders inside, read.
    void showSubfolders(services::FsResult<std::vector<std::string>> listed);
    // Tells the view that the rows were read anew, and why not all could be.
    void announceContents();

    services::FileSystem &m_fs;
    paths::FolderPath m_folder;
    std::vector<FolderRow> m_rows;
    std::optional<services::FsError> m_error;
    Background *m_background;
    bool m_reading = false;
    unsigned m_reads = 0; // the reading a result from the background must belong to
    // Results from the background that come after the list has gone find it expired.
    std::shared_ptr<char> m_alive = std::make_shared<char>();
};

// A window's drive list and folder list working as one. The drive list notes each folder the
// folder list opens. A drive picked from the drive list opens at the folder it was last at. A
// folder that does not open changes nothing and goes to `unopened` with why; a drive that is no
// longer mounted counts as not ready. The drive list then goes back to the drive of the folder
// list's folder: always after a drive that is gone, after any other failure when `backOnFailure`.
class DriveFolderLink
{
public:
    using Unopened = std::function<void(std::string_view folder, const services::FsError &error)>;
    DriveFolderLink(DriveList &drives, FolderList &folders, Unopened unopened, bool backOnFailure);

    // Opens `folder` in the folder list; false, after `unopened` ran, when it cannot be opened.
    // A folder that is not found (it vanished since it was listed) leaves the list then.
    bool open(std::string_view folder);

private:
    void driveChanged();

    DriveList &m_drives;
    FolderList &m_folders;
    Unopened m_unopened;
    bool m_backOnFailure;
};

// The file list: the ordinary files of a folder in an order, for display only. Given a
// Background, it reads and orders them there: the list is empty from the change of folder or
// order until they are read, and `changed` runs at both moments; a reading overtaken by a newer
// one is dropped.
class FileList : public Control
{
public:
    explicit FileList(services::FileSystem &fs, Background *background = nullptr)
        : m_fs(fs)
        , m_folder(fs.pathStyle(), {})
        , m_background(background)
    {}

    const std::string &path() const { return m_folder.path(); }

    // Shows the files of `folder` (a trailing separator is dropped); the list is read anew.
    void setPath(std::string_view folder);

    // Shows the files in `order`; the list is read anew when that is another order.
    void setOrder(order::FileOrder order);

    const text::PackedStrings &names() const { return m_names; }
    // Why the files could not be read, the last time they were; none when they were.
    const std::optional<services::FsError> &error() const { return m_error; }
    // Whether the files are being read in the background, and not yet in names().
    bool reading() const { return m_reading; }

    Signal<> changed; // the names, or the error, were read anew (or are being read)
    // After changed, when the files could not be read: why.
    Signal<const services::FsError &> readFailed;

private:
    struct Read
    {
        text::PackedStrings names;
        std::optional<services::FsError> error;
    };
    static Read
    read(services::FileSystem &fs, const paths::FolderPath &folder, order::FileOrder order);
    void show(Read read);

    services::FileSystem &m_fs;
    paths::FolderPath m_folder;
    order::FileOrder m_order = order::FileOrder::Name;
    text::PackedStrings m_names;
    std::optional<services::FsError> m_error;
    Background *m_background;
    bool m_reading = false;
    unsigned m_reads = 0; // the reading a result from the background must belong to
    // Results from the background that come after the list has gone find it expired.
    std::shared_ptr<char> m_alive = std::make_shared<char>();
};

} // namespace tavolin::controls
