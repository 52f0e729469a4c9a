// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quirn {

Outcome FileFailure(Fault cause, const std::string& fullPath, FileOperation operation) {
    if (cause == Fault::None) {
        switch (operation) {
            case FileOperation::Open:
                return Outcome::Failed(Fault::CannotOpenDocument);
            case FileOperation::Save:
                return Outcome::Failed(Fault::CannotSaveDocument);
            case FileOperation::Create:
                return Outcome::Failed(Fault::BadFileName);
        }
    }
    // Saving into a folder that does not exist: the folder is what is missing.
    if (cause == Fault::FileNotFound && operation != FileOperation::Open)
        return Outcome::Failed(Fault::FolderNotFound, {fullPath});
    return Outcome::Failed(cause, {fullPath});
}

Fault FaultFromErrno(int error) {
    switch (error) {
        case 0:
            return Fault::UnknownFileError;
        case ENOENT:
            return Fault::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return Fault::BadPath;
        case EMFILE:
        case ENFILE:
            return Fault::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
            return Fault::AccessDenied;
        case EROFS:
            return Fault::ReadOnly;
        case EBADF:
            return Fault::InvalidFile;
        case EMLINK:
            return Fault::DirectoryFull;
        case ESPIPE:
            return Fault::BadSeek;
        case EIO:
            return Fault::HardIO;
        case ETXTBSY:
        case EBUSY:
            return Fault::SharingViolation;
        case ENOLCK:
        case EDEADLK:
            return Fault::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return Fault::DiskFull;
        default:
            return Fault::UnknownFileError;
    }
}

Result<std::string> ReadFileHead(const std::string& path, std::size_t limit) {
    Result<std::string> result;
    // Opening a named pipe blocks until someone writes to it, and nobody may ever: open without
    // waiting, then read normally, so a pipe without a writer reads as an empty file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.outcome = Outcome::Failed(FaultFromErrno(errno), {path});
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        result.outcome = Outcome::Failed(Fault::AccessDenied, {path});
        return result;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    // Grown as the bytes come, so a small file costs little however large the limit.
    constexpr std::size_t kChunk = 64 * 1024;
    std::size_t got = 0;
    while (got < limit) {
        if (result.value.size() == got) result.value.resize(got + std::min(kChunk, limit - got));
        const ssize_t n = ::read(fd, result.value.data() + got, result.value.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.outcome = Outcome::Failed(FaultFromErrno(errno), {path});
            break;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    result.value.resize(got);
    return result;
}

namespace {

// The file that path leads to through any symbolic links, so that a save replaces the target and
// leaves the links in place. A link that leads nowhere names the file to create.
Fault FollowLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return Fault::None;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return FaultFromErrno(error.value());
        path = (std::filesystem::path(path).parent_path() / target).string();
    }
    return FaultFromErrno(ELOOP);
}

// Why a file could not be made beside others: a folder that exists but takes no new file (such
// as /proc) says "not found" for it, which would send the user looking for a missing folder.
Fault CreationError(const std::string& path, int error) {
    if (error != ENOENT) return FaultFromErrno(error);
    struct stat folder {};
    const std::string parent = std::filesystem::path(path).parent_path().string();
    const bool folderExists =
        ::stat(parent.empty() ? "." : parent.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode);
    return folderExists ? Fault::CannotCreate : Fault::FileNotFound;
}

}  // namespace

Fault WriteFileAtomically(const std::string& requestedPath, std::string_view bytes) {
    std::string path = requestedPath;
    if (const Fault error = FollowLinks(path); error != Fault::None) return error;
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Fault::AccessDenied;

    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return CreationError(path, errno);
    const std::string temporary(name.data());

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return FaultFromErrno(error);
    };

    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return fail(errno);

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return FaultFromErrno(error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return FaultFromErrno(error);
    }
    return Fault::None;
}

}  // namespace quirn
