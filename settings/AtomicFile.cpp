#include "AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace settings {

namespace {

namespace fs = std::filesystem;

// Gives up rather than hang the caller when another process keeps the lock.
constexpr auto LockTimeout = std::chrono::seconds(5);

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now, since close can report a failed write-back.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

int openRetrying(const fs::path& path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

std::optional<std::string> readAll(int fd, const struct stat& status)
{
    if (!S_ISREG(status.st_mode) || static_cast<size_t>(status.st_size) > MaxFileSize)
        return std::nullopt;
    std::string content;
    char buffer[8192];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return content;
        if (content.size() + static_cast<size_t>(got) > MaxFileSize)
            return std::nullopt;
        content.append(buffer, static_cast<size_t>(got));
    }
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool createFolders(const fs::path& folder)
{
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool lockExclusively(int fd)
{
    const auto deadline = std::chrono::steady_clock::now() + LockTimeout;
    auto pause = std::chrono::microseconds(200);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(1000));
    }
    return true;
}

std::optional<fs::path> followSymlink(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error)))
        return file;
    fs::path target = fs::canonical(file, error);
    if (error)
        return std::nullopt;
    return target;
}

fs::path sibling(const fs::path& file, std::string_view suffix)
{
    fs::path path = file;
    path += suffix;
    return path;
}

} // namespace

std::optional<std::string> readWholeFile(const fs::path& file)
{
    // Non-blocking, so that a FIFO in the file's place cannot stall the open.
    FileDescriptor fd(openRetrying(file, O_RDONLY | O_NONBLOCK));
    struct stat status {};
    if (!fd || ::fstat(fd.get(), &status) != 0)
        return std::nullopt;
    return readAll(fd.get(), status);
}

bool replaceFileLocked(const fs::path& requested, const FileEdit& edit)
{
    const auto file = followSymlink(requested);
    if (!file || !file->has_parent_path() || !createFolders(file->parent_path()))
        return false;

    FileDescriptor lock(
        openRetrying(sibling(*file, ".lock"), O_RDONLY | O_CREAT | O_NOFOLLOW, 0666));
    if (!lock || !lockExclusively(lock.get()))
        return false;

    // Opened for writing although only read, so that a file the user may not write
    // refuses the change instead of being replaced behind its permissions.
    std::optional<std::string> current;
    struct stat status {};
    FileDescriptor existing(openRetrying(*file, O_RDWR | O_NOFOLLOW | O_NONBLOCK));
    if (existing) {
        if (::fstat(existing.get(), &status) != 0)
            return false;
        current = readAll(existing.get(), status);
        if (!current)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }

    const auto content = edit(current);
    if (!content)
        return false;

    // Only the lock holder uses the temporary name, so a leftover one is from a writer
    // that died and may go.
    const fs::path temporary = sibling(*file, ".tmp");
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT)
        return false;
    FileDescriptor out(openRetrying(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666));
    if (!out)
        return false;
    if (existing) {
        if (::fchmod(out.get(), status.st_mode & 07777) != 0 ||
            (::fchown(out.get(), status.st_uid, status.st_gid) != 0 && errno != EPERM)) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    const bool written = writeAll(out.get(), *content) && ::fsync(out.get()) == 0 && out.close();
    if (!written || ::rename(temporary.c_str(), file->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }

    // Makes the rename itself durable; the new content is already in place, so a folder
    // that cannot be synced does not turn the write into a failure.
    FileDescriptor folder(openRetrying(file->parent_path(), O_RDONLY | O_DIRECTORY));
    if (folder)
        ::fsync(folder.get());
    return true;
}

} // namespace settings
