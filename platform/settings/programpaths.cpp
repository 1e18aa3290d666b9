#include "platform/settings/programpaths.h"

#include <QCoreApplication>
#include <QFileInfo>

const char kProgramTitle[] = "Zorvik's Tastra";
const char kCompanyKey[] = "Ostrel";

std::string ProgramFilePath() {
    static const std::string path = [] {
        QString app = QCoreApplication::applicationFilePath();
        QString canonical = QFileInfo(app).canonicalFilePath();
        return (canonical.isEmpty() ? app : canonical).toStdString();
    }();
    return path;
}

std::string ProgramFileBaseName(const std::string& filePath) {
    size_t slash = filePath.find_last_of('/');
    std::string name = slash == std::string::npos ? filePath : filePath.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return name;
    return name.substr(0, dot);
}

std::string ProgramKeyPath(const std::string& programFile) {
    return std::string(kCompanyKey) + "\\" + kProgramTitle + "\\" +
           ProgramFileBaseName(programFile);
}

std::string SettingsRootPath(const std::string& programFile) {
    return "\\Software\\" + ProgramKeyPath(programFile);
}

std::string ProgramFolder(const std::string& programFile) {
    const std::string& path = programFile;
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}
