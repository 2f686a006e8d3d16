#include "FontFile.h"

#include "SystemErrorText.h"
#include "platform/Error.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace meter {
namespace {

// No typeface comes near this; a larger file is not read at all.
constexpr qint64 kMaxFontFileSize = 64 * 1024 * 1024;

// A system call failed while the file was being created; `code` is its errno.
struct CreateError {
    int code;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void writeAll(int fd, const QByteArray& data)
{
    const char* next = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw CreateError{errno};
        }
        if (written == 0)
            throw CreateError{ENOSPC};
        next += written;
        left -= written;
    }
}

// Creates a file of our own next to `target` that nobody else can have prepared.
std::pair<int, QByteArray> createSibling(const QByteArray& target)
{
    for (;;) {
        const QByteArray name =
            target + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {fd, name};
        if (errno != EEXIST && errno != EINTR)
            throw CreateError{errno};
    }
}

void writeAtomically(const QByteArray& target, const QByteArray& data)
{
    auto [fd, temporary] = createSibling(target);
    Descriptor file(fd);
    try {
        writeAll(file.get(), data);
        // Some file systems cannot sync at all; what was written stands all the same.
        if (::fsync(file.get()) != 0 && errno != EINVAL && errno != ENOTSUP)
            throw CreateError{errno};
        if (::close(file.release()) != 0)
            throw CreateError{errno};
        if (::rename(temporary.constData(), target.constData()) != 0)
            throw CreateError{errno};
    } catch (const CreateError&) {
        ::unlink(temporary.constData());
        throw;
    }
}

// What lies at the path, told apart without following a final symbolic link.
enum class Entry { Missing, Foreign, Present };

Entry inspect(const QByteArray& path)
{
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0)
        return Entry::Missing;
    if (entry.st_uid != ::geteuid())
        return Entry::Foreign;
    if (S_ISDIR(entry.st_mode))
        return Entry::Missing;
    if (S_ISLNK(entry.st_mode)) {
        struct stat target {};
        if (::stat(path.constData(), &target) != 0 || S_ISDIR(target.st_mode))
            return Entry::Missing;
    }
    return Entry::Present;
}

std::optional<QByteArray> readOwnFile(const QByteArray& path)
{
    Descriptor file(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
        info.st_size > kMaxFontFileSize)
        return std::nullopt;

    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (count == 0)
            return bytes;
        if (bytes.size() + count > kMaxFontFileSize)
            return std::nullopt;
        bytes.append(buffer, count);
    }
}

} // namespace

std::optional<QByteArray> ProvideFontFile(const QString& path, const QByteArray& data)
{
    const QByteArray nativePath = QFile::encodeName(path);
    switch (inspect(nativePath)) {
    case Entry::Foreign:
        return std::nullopt;
    case Entry::Missing:
        try {
            writeAtomically(nativePath, data);
        } catch (const CreateError& error) {
            throw platform::Error(QStringLiteral("Cannot create file \"%1\". %2")
                                      .arg(path, SystemErrorText(error.code)));
        }
        break;
    case Entry::Present:
        break;
    }
    return readOwnFile(nativePath);
}

} // namespace meter
