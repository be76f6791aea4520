// The one seam between the Coding and Decoding commands and the world around them. The person side
// shows messages and dialogs; the machine side reaches the files. The Windows program, the command-line
// tool and the tests each give their own implementation, so the commands are written only once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace votrana {

struct KeyFileChoice;

// ---- The person ----

enum class MessageIcon { error, warning, information };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::error;
    // Shown without owner and above every window: the report that a dialog could not be shown.
    bool systemModal = false;

    bool operator==(const Message&) const = default;
};

// The open-file dialog: one filter entry, the file need not exist.
struct FileDialogRequest {
    std::string_view title;
    std::string_view filterName;
    std::string_view filterPattern;
};

struct FileDialogAnswer {
    enum class Outcome { chosen, cancelled, failed };
    Outcome outcome = Outcome::cancelled;
    std::string path;             // the chosen file, when chosen
    std::uint32_t errorCode = 0;  // the dialog's extended error, when failed
};

// The values keep those of the key-file dialog's result: 0 not shown, 1 OK, 2 cancelled or closed.
enum class KeyDialogResult { notShown = 0, ok = 1, cancelled = 2 };

enum class CommandButton { coding, decoding };

enum class Cursor { wait, arrow };

// The long passes over a file's bytes, for a progress display.
enum class WorkStage { coding, decompressing, decoding };

class Person {
public:
    virtual ~Person() = default;

    virtual void showMessage(const Message& message) = 0;
    virtual FileDialogAnswer chooseFile(const FileDialogRequest& request) = 0;
    // Shows the key-file dialog modally. The dialog records the user's choice in `choice` as it is
    // made, so a switch of key made before Cancel is kept.
    virtual KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) = 0;
    // Repaints the area of a button once its open-file dialog is gone.
    virtual void repaintButton(CommandButton button) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    virtual void showProgress(WorkStage stage, std::uint64_t done, std::uint64_t total) = 0;
    // True once the person wants the running command stopped (an interrupting signal, a Cancel). The
    // long passes look at it between blocks; the command then ends as if refused, without a message.
    virtual bool stopRequested() = 0;
};

// ---- The machine ----

// How a path separates its folders from the file name.
enum class PathStyle { windows, posix };

enum class DriveType { fixed, removable, remote, other };

// What tells one file from another, and one state of a file from a later one.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t node = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;

    bool isSameFileAs(const FileIdentity& other) const { return device == other.device && node == other.node; }
    bool operator==(const FileIdentity&) const = default;
};

// Held while the files of a command take their final names in a folder; released when destroyed.
class FolderLock {
public:
    virtual ~FolderLock() = default;
};

// An open file. Reads and writes move on from where the last one ended, at first the start.
class File {
public:
    virtual ~File() = default;

    // Fills the front of `buffer`: the count read, 0 only at the end of the file, nullopt on failure.
    virtual std::optional<std::size_t> read(std::span<std::uint8_t> buffer) = 0;
    // Writes all of `bytes`; false when they could not all be written.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // Moves the position of reading and writing to `offset` from the start.
    virtual bool seek(std::uint64_t offset) = 0;
    // The length of the file; the position stays where it was.
    virtual std::optional<std::uint64_t> size() = 0;
    // Puts what was written on the disk itself, so that it survives a power loss.
    virtual bool sync() = 0;
    // From now on what is written starts on its way to the disk at once, so that a sync at the end
    // has little left to wait for. Only for a file that will be synced: it costs the disk's time.
    virtual void writeBehind() = 0;
    virtual std::optional<FileIdentity> identity() = 0;
    // Sets the POSIX permission bits (rwx for owner, group and others).
    virtual bool setPermissions(std::uint32_t bits) = 0;
    // Closes the file; false when what was written could not be completed. The file is closed in
    // either case, and a file that is destroyed unclosed is closed then.
    virtual bool close() = 0;
};

class Machine {
public:
    virtual ~Machine() = default;

    virtual PathStyle pathStyle() const = 0;
    // Whether a directory search finds the path: folders count as well as files.
    virtual bool exists(const std::string& path) = 0;
    // The root of the drive that holds the path (the mount point on POSIX systems).
    virtual std::string driveRoot(const std::string& path) = 0;
    virtual DriveType driveType(const std::string& root) = 0;
    // Free bytes available to this user on the drive; nullopt when the system cannot tell.
    virtual std::optional<std::uint64_t> freeSpace(const std::string& root) = 0;
    // Opens an existing file (not a folder) for reading; null on failure.
    virtual std::unique_ptr<File> openForReading(const std::string& path) = 0;
    // Creates a new file for reading and writing that only this user may read; null when anything at
    // all (a file, a link, a folder, a pipe) has the name, or on failure.
    virtual std::unique_ptr<File> createNew(const std::string& path) = 0;
    // Of the file a path names, links followed; nullopt when there is none.
    virtual std::optional<FileIdentity> identity(const std::string& path) = 0;
    // The POSIX permission bits of the file at `path`; nullopt where the system has none (its files
    // take their folder's access rules) or there is no file.
    virtual std::optional<std::uint32_t> permissions(const std::string& path) = 0;
    // Whether a new file may take the name: nothing is there, or a file this user may write. A folder
    // or a read-only file is the person's, not to be replaced.
    virtual bool mayReplace(const std::string& path) = 0;
    // Serialises the moments that files take their names in `folder` among processes that ask too.
    // Never null; where the system cannot lock, the lock holds nothing.
    virtual std::unique_ptr<FolderLock> lockFolder(const std::string& folder) = 0;
    // Makes the names given in `folder` survive a power loss.
    virtual bool syncFolder(const std::string& folder) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Renames a file; refuses when a file or folder of the new name exists.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // Renames a file in place of a file of the new name, in one step, so that either the old or the
    // new file has the name whatever happens; refuses when a folder has the new name.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
};

// What a command works through.
struct Platform {
    Person& person;
    Machine& machine;
};

}  // namespace votrana
