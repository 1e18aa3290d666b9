#include "platform/settings/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

const char kTempSuffix[] = ".tmp-";

namespace {

// Stores the reason of the failure errno describes; always returns false.
bool Fail(std::string* reason, int error = errno) {
    if (reason) *reason = std::system_category().message(error);
    return false;
}

std::string FolderOf(const std::string& path) {
    std::filesystem::path p(path);
    std::string dir = p.parent_path().string();
    return dir.empty() ? "." : dir;
}

bool WriteAll(int fd, const std::string& content, const TWriteProgress& progress) {
    size_t done = 0;
    while (done < content.size()) {
        // Moderate chunks keep each system call short; the file is not visible until renamed.
        size_t chunk = content.size() - done < 65536 ? content.size() - done : 65536;
        ssize_t n = ::write(fd, content.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
        if (progress) progress(done);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& linkOrPath, const std::string& content,
                         std::string* reason, const TWriteProgress& progress) {
    const std::string path = ResolveLinks(linkOrPath);
    std::string name = std::filesystem::path(path).filename().string();
    std::string tmpl = FolderOf(path) + "/" + name + kTempSuffix + "XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    int fd = ::mkostemp(buf.data(), O_CLOEXEC);
    if (fd < 0) return Fail(reason);
    std::string tmp(buf.data());

    // Keep the permissions of the file we replace; a new file gets the usual 0666 & ~umask.
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    int error = 0;
    bool ok = WriteAll(fd, content, progress) && ::fsync(fd) == 0;
    if (!ok) error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && progress) progress(content.size() + 1);
    if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return Fail(reason, error);
    }
    // Make the rename itself durable.
    int dfd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    // The system's own limit on a chain of links; a loop ends here and fails when written.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) break;
        std::filesystem::path next(std::string(target.data(), static_cast<size_t>(n)));
        current = next.is_absolute() ? next.string()
                                     : (std::filesystem::path(FolderOf(current)) / next).string();
    }
    return current;
}

int OpenRegularFile(const std::string& path, std::string* reason) {
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Fail(reason);
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (reason)
            *reason = S_ISDIR(st.st_mode) ? std::system_category().message(EISDIR)
                                          : std::string("Not a regular file");
        errno = error;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

TReadResult ReadWholeFile(const std::string& path, std::string& content, std::string* reason) {
    content.clear();
    int fd = OpenRegularFile(path, reason);
    if (fd < 0) return errno == ENOENT ? TReadResult::Missing : TReadResult::Failed;
    // Read straight into room of the file's size: growing the text as it comes would copy a
    // large file several times and hold it twice at the end.
    struct stat st {};
    size_t room = ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
    room += 65536;
    size_t size = 0;
    for (;;) {
        if (content.size() < size + 65536) content.resize(std::max(room, size + 65536));
        ssize_t n = ::read(fd, &content[size], content.size() - size);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(reason);
            ::close(fd);
            content.clear();
            return TReadResult::Failed;
        }
        if (n == 0) break;
        size += static_cast<size_t>(n);
        room = size * 2;
    }
    content.resize(size);
    ::close(fd);
    return TReadResult::Ok;
}

bool EnsureParentFolder(const std::string& path, std::string* reason) {
    std::error_code ec;
    std::filesystem::create_directories(FolderOf(path), ec);
    std::error_code isDirError;
    if (std::filesystem::is_directory(FolderOf(path), isDirError)) return true;
    // Something other than a folder in the way reads better as such than as "File exists".
    if (reason)
        *reason = ec && ec != std::errc::file_exists ? ec.message()
                                                     : std::system_category().message(ENOTDIR);
    return false;
}
