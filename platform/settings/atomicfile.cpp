#include "platform/settings/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

const char kTempSuffix[] = ".tmp-";

namespace {

TWriteProgressHook g_progressHook = nullptr;

std::string FolderOf(const std::string& path) {
    std::filesystem::path p(path);
    std::string dir = p.parent_path().string();
    return dir.empty() ? "." : dir;
}

bool WriteAll(int fd, const std::string& content) {
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
        if (g_progressHook) g_progressHook(done);
    }
    return true;
}

}  // namespace

void SetWriteProgressHook(TWriteProgressHook hook) { g_progressHook = hook; }

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    std::string name = std::filesystem::path(path).filename().string();
    std::string tmpl = FolderOf(path) + "/" + name + kTempSuffix + "XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    int fd = ::mkostemp(buf.data(), O_CLOEXEC);
    if (fd < 0) return false;
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

    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && g_progressHook) g_progressHook(content.size() + 1);
    if (ok) ok = ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dfd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

TReadResult ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? TReadResult::Missing : TReadResult::Failed;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return TReadResult::Failed;
        }
        if (n == 0) break;
        content.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return TReadResult::Ok;
}

bool EnsureParentFolder(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(FolderOf(path), ec);
    return std::filesystem::is_directory(FolderOf(path), ec);
}
