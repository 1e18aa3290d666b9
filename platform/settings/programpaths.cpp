#include "platform/settings/programpaths.h"

#include <QCoreApplication>
#include <QFileInfo>

const char kProgramTitle[] = "Zorvik's Tastra";
const char kCompanyKey[] = "Ostrel";

namespace {

std::string& OverridePath() {
    static std::string path;
    return path;
}

std::string RunningProgramPath() {
    static const std::string path = [] {
        QString app = QCoreApplication::applicationFilePath();
        QString canonical = QFileInfo(app).canonicalFilePath();
        return (canonical.isEmpty() ? app : canonical).toStdString();
    }();
    return path;
}

}  // namespace

std::string ProgramFilePath() {
    return OverridePath().empty() ? RunningProgramPath() : OverridePath();
}

void SetProgramFilePath(const std::string& path) { OverridePath() = path; }

std::string ProgramFileBaseName(const std::string& filePath) {
    size_t slash = filePath.find_last_of('/');
    std::string name = slash == std::string::npos ? filePath : filePath.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return name;
    return name.substr(0, dot);
}

std::string ProgramKeyPath() {
    return std::string(kCompanyKey) + "\\" + kProgramTitle + "\\" +
           ProgramFileBaseName(ProgramFilePath());
}

std::string SettingsRootPath() { return "\\Software\\" + ProgramKeyPath(); }

std::string ProgramFolder() {
    std::string path = ProgramFilePath();
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}
