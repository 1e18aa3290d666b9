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

// Writes the pieces it is given in chunks of a moderate size: each system call stays short, and
// the file is not visible until renamed.
class TChunkWriter {
public:
    TChunkWriter(int fd, const TWriteProgress& progress) : m_fd(fd), m_progress(progress) {}

    bool Put(std::string_view piece) {
        while (m_ok && !piece.empty()) {
            const size_t take = std::min(kChunk - m_buffer.size(), piece.size());
            m_buffer.append(piece.substr(0, take));
            piece.remove_prefix(take);
            if (m_buffer.size() == kChunk) Write();
        }
        return m_ok;
    }
    bool Finish() {
        if (!m_buffer.empty()) Write();
        return m_ok;
    }
    size_t Written() const { return m_written; }

private:
    static constexpr size_t kChunk = 65536;
    void Write() {
        size_t done = 0;
        while (m_ok && done < m_buffer.size()) {
            const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
            if (n < 0) {
                m_ok = errno == EINTR;
                continue;
            }
            done += static_cast<size_t>(n);
            m_written += static_cast<size_t>(n);
            if (m_progress) m_progress(m_written);
        }
        m_buffer.clear();
    }

    int m_fd;
    const TWriteProgress& m_progress;
    std::string m_buffer;
    size_t m_written = 0;
    bool m_ok = true;
};

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* reason,
                         const TWriteProgress& progress) {
    return WriteFileAtomically(
        path, [&content](const TPieceWriter& put) { return put(content); }, reason, progress);
}

bool WriteFileAtomically(const std::string& linkOrPath, const TContentProducer& produce,
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
    TChunkWriter writer(fd, progress);
    errno = 0;
    bool ok = produce([&writer](std::string_view piece) { return writer.Put(piece); }) &&
              writer.Finish() && ::fsync(fd) == 0;
    // A producer that gave up without a failed write leaves no system reason.
    if (!ok) error = errno != 0 ? errno : EIO;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && progress) progress(writer.Written() + 1);
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
