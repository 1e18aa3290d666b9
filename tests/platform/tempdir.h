#pragma once

#include <QTemporaryDir>
#include <string>

#include "platform/settings/atomicfile.h"

// A temporary folder that XDG_CONFIG_HOME points at while the object lives.
class TTempConfigHome {
public:
    TTempConfigHome() {
        m_old = qgetenv("XDG_CONFIG_HOME");
        m_hadOld = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }
    ~TTempConfigHome() {
        if (m_hadOld)
            qputenv("XDG_CONFIG_HOME", m_old);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    std::string Path() const { return m_dir.path().toStdString(); }
    std::string HivePath() const { return Path() + "/Ostrel/registry.reg"; }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
    bool m_hadOld = false;
};

inline std::string ReadFileText(const std::string& path) {
    std::string s;
    ReadWholeFile(path, s);
    return s;
}
