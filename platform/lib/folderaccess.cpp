#include "platform/lib/folderaccess.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

int FolderReadError(const std::string& folder) {
    struct stat st;
    if (stat(folder.c_str(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    if (access(folder.c_str(), R_OK | X_OK) != 0) return errno;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return errno;
    closedir(dir);
    return 0;
}
