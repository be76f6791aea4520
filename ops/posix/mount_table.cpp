#include "mount_table.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace votrana {

namespace {

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t position = 0;
    while (position < line.size()) {
        const std::size_t end = std::min(line.find(' ', position), line.size());
        if (end > position) {
            fields.push_back(line.substr(position, end - position));
        }
        position = end + 1;
    }
    return fields;
}

// mountinfo writes a space, tab, newline and backslash in a name as three octal digits after "\".
std::string unescaped(std::string_view field)
{
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
            isOctal(field[i + 3])) {
            text.push_back(
                static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            text.push_back(field[i]);
        }
    }
    return text;
}

bool parseDevice(std::string_view field, unsigned& major, unsigned& minor)
{
    const std::size_t colon = field.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const char* begin = field.data();
    const char* end = field.data() + field.size();
    return std::from_chars(begin, begin + colon, major).ec == std::errc() &&
           std::from_chars(begin + colon + 1, end, minor).ec == std::errc();
}

bool isFolderOf(std::string_view mountPoint, std::string_view path)
{
    if (mountPoint == "/") {
        return !path.empty() && path.front() == '/';
    }
    return path.starts_with(mountPoint) && (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text)
{
    std::vector<MountEntry> mounts;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::vector<std::string_view> fields = fieldsOf(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        // id, parent id, major:minor, root, mount point, options, optional fields..., "-", type, source
        const auto separator = std::find(fields.begin() + std::min<std::ptrdiff_t>(6, std::ssize(fields)), fields.end(),
                                         std::string_view("-"));
        if (fields.size() < 6 || fields.end() - separator < 3) {
            continue;
        }
        MountEntry mount;
        if (!parseDevice(fields[2], mount.deviceMajor, mount.deviceMinor)) {
            continue;
        }
        mount.mountPoint = unescaped(fields[4]);
        mount.fileSystemType = unescaped(separator[1]);
        mount.source = unescaped(separator[2]);
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view path)
{
    const MountEntry* holding = nullptr;
    for (const MountEntry& mount : mounts) {
        if (isFolderOf(mount.mountPoint, path) &&
            (holding == nullptr || mount.mountPoint.size() >= holding->mountPoint.size())) {
            holding = &mount;
        }
    }
    return holding;
}

bool isNetworkFileSystem(std::string_view fileSystemType)
{
    static constexpr std::array<std::string_view, 16> kernelTypes{
        "nfs", "nfs4", "cifs",      "smb3", "smbfs",  "ncpfs", "ncp",  "coda",
        "afs", "ceph", "glusterfs", "9p",   "lustre", "davfs", "gpfs", "orangefs",
    };
    static constexpr std::array<std::string_view, 16> fuseTypes{
        "sshfs",    "rclone", "s3fs",     "gcsfuse",   "goofys",  "curlftpfs", "glusterfs", "ceph-fuse",
        "smbnetfs", "afpfs",  "blobfuse", "blobfuse2", "juicefs", "ossfs",     "davfs2",    "webdavfs",
    };
    constexpr std::string_view fusePrefix = "fuse.";
    if (fileSystemType.starts_with(fusePrefix)) {
        fileSystemType.remove_prefix(fusePrefix.size());
        return std::find(fuseTypes.begin(), fuseTypes.end(), fileSystemType) != fuseTypes.end();
    }
    return std::find(kernelTypes.begin(), kernelTypes.end(), fileSystemType) != kernelTypes.end();
}

DriveType driveTypeOf(const MountEntry& mount, bool onRemovableDevice)
{
    if (isNetworkFileSystem(mount.fileSystemType)) {
        return DriveType::remote;
    }
    if (onRemovableDevice || mount.fileSystemType == "iso9660" || mount.fileSystemType == "udf") {
        return DriveType::removable;
    }
    return DriveType::fixed;
}

}  // namespace votrana
