#include "platform/shell/datafolder.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/lib/folderaccess.h"
#include "platform/lib/translatedtext.h"

namespace {

// Any one of them marks a data folder: a user may have removed the others.
const char* const kShippedFiles[] = {"default_patchscript.txt", "Patch Sets", "help/help.html"};

std::vector<std::string> SearchedFolders(const std::string& program) {
    const QString installed = QString::fromStdString(program + "/" + TASTRA_DATA_FROM_BIN);
    return {program, QFileInfo(installed).absoluteFilePath().toStdString()};
}

// The first searched folder holding shipped files; empty when none does.
std::string FoundFolder(const std::string& programFolder) {
    for (const std::string& folder : SearchedFolders(programFolder))
        if (IsDataFolder(folder)) return folder;
    return {};
}

}  // namespace

bool IsDataFolder(const std::string& folder) {
    for (const char* name : kShippedFiles)
        if (QFileInfo::exists(QString::fromStdString(folder + "/" + name))) return true;
    return false;
}

std::string DataFolder(const std::string& programFolder) {
    std::string found = FoundFolder(programFolder);
    return found.empty() ? programFolder : found;
}

bool DataFolderFound(const std::string& programFolder) {
    return !FoundFolder(programFolder).empty();
}

std::string DataFolderProblemMessage(const std::string& programFolder) {
    // A folder that is there but cannot be read is not missing: reinstalling would not help.
    const std::vector<std::string> searched = SearchedFolders(programFolder);
    for (const std::string& folder : searched) {
        const int error = FolderReadError(folder);
        if (error == 0 || error == ENOENT || error == ENOTDIR) continue;
        return TranslatedText("DataFolder",
                              QT_TRANSLATE_NOOP("DataFolder",
                                                "The data folder of Tastra, %1, cannot be read "
                                                "(%2).\nThe default patch set, the patch sets and "
                                                "the help page cannot be used until it can be "
                                                "read."),
                              folder, std::string(std::strerror(error)));
    }
    return TranslatedText(
        "DataFolder",
        QT_TRANSLATE_NOOP("DataFolder",
                          "The data folder of Tastra was not found in %1 and %2.\nThe default "
                          "patch set, the patch sets and the help page are missing; install the "
                          "program again to get them back."),
        searched.at(0), searched.at(1));
}
