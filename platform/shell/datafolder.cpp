#include "platform/shell/datafolder.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/lib/folderaccess.h"
#include "platform/settings/programpaths.h"

namespace {

// Any one of them marks a data folder: a user may have removed the others.
const char* const kShippedFiles[] = {"default_patchscript.txt", "Patch Sets", "help/help.html"};

std::vector<std::string> SearchedFolders() {
    const std::string program = ProgramFolder();
    const QString installed = QString::fromStdString(program + "/" + TASTRA_DATA_FROM_BIN);
    return {program, QFileInfo(installed).absoluteFilePath().toStdString()};
}

bool HoldsShippedFiles(const std::string& folder) {
    for (const char* name : kShippedFiles)
        if (QFileInfo::exists(QString::fromStdString(folder + "/" + name))) return true;
    return false;
}

// The first searched folder holding shipped files; empty when none does.
std::string FoundFolder() {
    for (const std::string& folder : SearchedFolders())
        if (HoldsShippedFiles(folder)) return folder;
    return {};
}

}  // namespace

std::string DataFolder() {
    std::string found = FoundFolder();
    return found.empty() ? ProgramFolder() : found;
}

std::string DataFilePath(const std::string& relativePath) {
    return DataFolder() + "/" + relativePath;
}

bool DataFolderFound() { return !FoundFolder().empty(); }

std::string DataFolderProblemMessage() {
    // A folder that is there but cannot be read is not missing: reinstalling would not help.
    for (const std::string& folder : SearchedFolders()) {
        const int error = FolderReadError(folder);
        if (error == 0 || error == ENOENT || error == ENOTDIR) continue;
        return "The data folder of Tastra, " + folder + ", cannot be read (" +
               std::strerror(error) +
               ").\nThe default patch set, the patch sets and the help page cannot be used "
               "until it can be read.";
    }
    std::string where;
    for (const std::string& folder : SearchedFolders())
        where += (where.empty() ? "" : " and ") + folder;
    return "The data folder of Tastra was not found in " + where +
           ".\nThe default patch set, the patch sets and the help page are missing; "
           "install the program again to get them back.";
}
