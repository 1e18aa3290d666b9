#include "platform/registry/registrystore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/settings/atomicfile.h"

namespace {

const char kUserRoot[] = "HKEY_CURRENT_USER";

// Holds an exclusive flock on <hive>.lock for its lifetime. The lock file is never removed, so
// every process locks the same inode.
class TFileLock {
public:
    explicit TFileLock(const std::string& hivePath) {
        m_fd = ::open((hivePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0) {
            m_error = errno;
            return;
        }
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                m_error = errno;
                ::close(m_fd);
                m_fd = -1;
                return;
            }
        }
    }
    ~TFileLock() {
        if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
    }
    bool Held() const { return m_fd >= 0; }
    std::string Reason() const { return std::system_category().message(m_error); }

private:
    int m_fd = -1;
    int m_error = 0;
};

std::string BrokenName(const std::string& hivePath) {
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string base = hivePath + ".broken-" + stamp;
    std::string name = base;
    struct stat st;
    for (int n = 2; ::lstat(name.c_str(), &st) == 0; ++n) name = base + "-" + std::to_string(n);
    return name;
}

// Temporary files of writers that died before renaming; safe to remove while we hold the lock,
// because every writer holds it from writing its temporary file to renaming it.
void RemoveStaleTempFiles(const std::string& hivePath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path p(hivePath);
    std::string prefix = p.filename().string() + kTempSuffix;
    fs::path dir = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string n = it->path().filename().string();
        if (n.compare(0, prefix.size(), prefix) == 0) fs::remove(it->path(), ec);
    }
}

}  // namespace

bool LoadHiveFileLocked(const std::string& hivePath, hive::THive& h, std::string* reason) {
    h = hive::THive();
    std::string text;
    switch (ReadWholeFile(hivePath, text, reason)) {
        case TReadResult::Missing:
            return true;
        case TReadResult::Failed:
            return false;
        case TReadResult::Ok:
            break;
    }
    if (hive::ParseHive(text, h)) return true;
    // Keep the damaged file for the user to inspect or repair; start afresh.
    if (::rename(hivePath.c_str(), BrokenName(hivePath).c_str()) == 0) return true;
    if (reason) *reason = std::system_category().message(errno);
    return false;
}

std::string TRegistryIniFile::DefaultHivePath() {
    std::string base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.config";
    }
    return base + "/Ostrel/registry.reg";
}

TRegistryIniFile::TRegistryIniFile(const std::string& keyPath)
    : TRegistryIniFile(keyPath, DefaultHivePath()) {}

TRegistryIniFile::TRegistryIniFile(const std::string& keyPath, const std::string& hivePath)
    : m_hivePath(hivePath),
      m_root(hive::NormalizeKeyPath(std::string(kUserRoot) + "\\" + keyPath)) {
    Open();
}

TRegistryIniFile::~TRegistryIniFile() = default;

void TRegistryIniFile::Open() {
    if (EnsureParentFolder(m_hivePath)) {
        TFileLock lock(m_hivePath);
        if (lock.Held()) {
            LoadHiveFileLocked(m_hivePath, m_hive);
        } else {
            // A folder we may not write to (no lock file can be made there) is still read: every
            // save replaces the file by a rename, so an unlocked read sees one whole version.
            // A damaged file is only parsed, never moved aside, without the lock.
            std::string text;
            hive::THive h;
            if (ReadWholeFile(m_hivePath, text) == TReadResult::Ok && hive::ParseHive(text, h))
                m_hive = std::move(h);
        }
    }
    if (!m_hive.FindKey(m_root)) {
        Record({TOpKind::CreateKey, m_root, {}, {}, 0});
        UpdateFile();
    }
}

std::string TRegistryIniFile::SectionKey(const std::string& section) const {
    std::string s = hive::NormalizeKeyPath(section);
    return s.empty() ? m_root : m_root + "\\" + s;
}

void TRegistryIniFile::Apply(hive::THive& h, const TOp& op) {
    switch (op.kind) {
        case TOpKind::CreateKey:
            h.CreateKey(op.key);
            break;
        case TOpKind::SetString: {
            hive::TValue v;
            v.name = op.name;
            v.type = hive::TValueType::String;
            v.text = op.text;
            h.SetValue(op.key, v);
            break;
        }
        case TOpKind::SetInteger: {
            // Decided against the value present when the write lands: an existing string value
            // stays a string holding the decimal text.
            hive::TValue v;
            v.name = op.name;
            const hive::TValue* old = h.FindValue(op.key, op.name);
            if (old && old->type == hive::TValueType::String) {
                v.type = hive::TValueType::String;
                v.text = std::to_string(op.number);
            } else {
                v.type = hive::TValueType::Dword;
                v.dword = static_cast<uint32_t>(op.number);
            }
            h.SetValue(op.key, v);
            break;
        }
        case TOpKind::DeleteValue:
            h.DeleteValue(op.key, op.name);
            break;
        case TOpKind::DeleteKey:
            h.DeleteKey(op.key);
            break;
    }
}

void TRegistryIniFile::Record(TOp op) {
    Apply(m_hive, op);
    m_ops.push_back(std::move(op));
}

bool TRegistryIniFile::UpdateFile() {
    if (m_ops.empty()) return true;
    std::string reason;
    if (!EnsureParentFolder(m_hivePath, &reason)) return Failed(reason);
    TFileLock lock(m_hivePath);
    if (!lock.Held()) return Failed(lock.Reason());
    RemoveStaleTempFiles(ResolveLinks(m_hivePath));
    hive::THive current;
    if (!LoadHiveFileLocked(m_hivePath, current, &reason)) return Failed(reason);
    for (const auto& op : m_ops) Apply(current, op);
    if (!WriteFileAtomically(m_hivePath, hive::SerializeHive(current), &reason, m_progress))
        return Failed(reason);
    m_hive = std::move(current);
    m_ops.clear();
    m_failure.clear();
    return true;
}

bool TRegistryIniFile::Failed(const std::string& reason) {
    m_failure = "\"" + m_hivePath + "\": " + reason;
    return false;
}

const hive::TValue* TRegistryIniFile::Find(const std::string& section,
                                           const std::string& name) const {
    return m_hive.FindValue(SectionKey(section), name);
}

std::string TRegistryIniFile::ReadString(const std::string& section, const std::string& name,
                                         const std::string& def) {
    const hive::TValue* v = Find(section, name);
    if (!v) return def;
    if (v->type != hive::TValueType::String)
        throw ESettingsTypeError("Invalid data type for '" + name + "'");
    return v->text;
}

int TRegistryIniFile::ReadInteger(const std::string& section, const std::string& name, int def) {
    const hive::TValue* v = Find(section, name);
    if (!v) return def;
    switch (v->type) {
        case hive::TValueType::Dword:
            return static_cast<int>(v->dword);
        case hive::TValueType::String: {
            int n;
            return ParseDecimalInt(v->text, n) ? n : def;
        }
        case hive::TValueType::Binary:
            break;
    }
    throw ESettingsTypeError("Invalid data type for '" + name + "'");
}

void TRegistryIniFile::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    Record({TOpKind::SetString, SectionKey(section), name, value, 0});
}

void TRegistryIniFile::WriteInteger(const std::string& section, const std::string& name,
                                    int value) {
    Record({TOpKind::SetInteger, SectionKey(section), name, {}, value});
}

void TRegistryIniFile::DeleteKey(const std::string& section, const std::string& name) {
    Record({TOpKind::DeleteValue, SectionKey(section), name, {}, 0});
}

void TRegistryIniFile::EraseSection(const std::string& section) {
    // Erasing "" would delete the store's own key; the registry refuses that too.
    if (hive::NormalizeKeyPath(section).empty()) return;
    Record({TOpKind::DeleteKey, SectionKey(section), {}, {}, 0});
}

std::vector<std::string> TRegistryIniFile::ReadSections() { return m_hive.SubKeys(m_root); }

std::vector<std::string> TRegistryIniFile::ReadSection(const std::string& section) {
    std::vector<std::string> out;
    if (const hive::TKey* k = m_hive.FindKey(SectionKey(section)))
        for (const auto& v : k->values) out.push_back(v.name);
    return out;
}
