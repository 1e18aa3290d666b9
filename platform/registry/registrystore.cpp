#include "platform/registry/registrystore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
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

// Numbers in the journal take one byte per seven bits.
void PutNumber(std::string& journal, uint32_t n) {
    for (; n >= 0x80; n >>= 7) journal += static_cast<char>((n & 0x7F) | 0x80);
    journal += static_cast<char>(n);
}

uint32_t TakeNumber(const std::string& journal, size_t& at) {
    uint32_t n = 0;
    for (int shift = 0; at < journal.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(journal[at++]);
        n |= static_cast<uint32_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) break;
    }
    return n;
}

}  // namespace

bool TRegistryIniFile::TFileStamp::operator==(const TFileStamp& o) const {
    return present == o.present && device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
           changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
}

TRegistryIniFile::TFileStamp TRegistryIniFile::StampOf(const std::string& path) {
    TFileStamp stamp;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return stamp;
    stamp.present = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = st.st_mtim;
    stamp.changed = st.st_ctim;
    return stamp;
}

bool TRegistryIniFile::LoadLocked(hive::THive& h, std::string* reason) {
    h = hive::THive();
    std::string text;
    switch (ReadWholeFile(m_hivePath, text, reason)) {
        case TReadResult::Missing:
            m_stamp = TFileStamp();
            return true;
        case TReadResult::Failed:
            return false;
        case TReadResult::Ok:
            break;
    }
    if (hive::ParseHive(std::move(text), h)) {
        m_stamp = StampOf(m_hivePath);
        return true;
    }
    // Nothing in it could be read: keep it for the user to inspect or repair, and start afresh.
    // A linked hive keeps its link; the file it points to is the one set aside.
    std::error_code ec;
    std::string target = std::filesystem::weakly_canonical(ResolveLinks(m_hivePath), ec).string();
    if (ec) target = ResolveLinks(m_hivePath);
    const std::string copy = BrokenName(target);
    if (::rename(target.c_str(), copy.c_str()) != 0) {
        if (reason) *reason = std::system_category().message(errno);
        return false;
    }
    m_stamp = TFileStamp();
    if (m_setAside) m_setAside(copy);
    return true;
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

TRegistryIniFile::TRegistryIniFile(const std::string& keyPath, const std::string& hivePath,
                                   TSetAsideNotice setAside)
    : m_hivePath(hivePath),
      m_root(hive::NormalizeKeyPath(std::string(kUserRoot) + "\\" + keyPath)),
      m_setAside(std::move(setAside)) {
    Open();
}

TRegistryIniFile::~TRegistryIniFile() = default;

void TRegistryIniFile::Open() {
    if (EnsureParentFolder(m_hivePath)) {
        TFileLock lock(m_hivePath);
        if (lock.Held()) {
            LoadLocked(m_hive, nullptr);
        } else {
            // A folder we may not write to (no lock file can be made there) is still read: every
            // save replaces the file by a rename, so an unlocked read sees one whole version.
            // A damaged file is only parsed, never moved aside, without the lock.
            std::string text;
            hive::THive h;
            if (ReadWholeFile(m_hivePath, text) == TReadResult::Ok &&
                hive::ParseHive(std::move(text), h))
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
        case TOpKind::SetString:
            h.SetValue(op.key, hive::TValue::String(op.name, op.text));
            break;
        case TOpKind::SetInteger: {
            // Decided against the value present when the write lands: an existing string value
            // stays a string holding the decimal text.
            const hive::TValue* old = h.FindValue(op.key, op.name);
            if (old && old->Type() == hive::TValueType::String)
                h.SetValue(op.key, hive::TValue::String(op.name, std::to_string(op.number)));
            else
                h.SetValue(op.key, hive::TValue::Dword(op.name, static_cast<uint32_t>(op.number)));
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

void TRegistryIniFile::Record(const TOp& op) {
    Apply(m_hive, op);
    // Successive writes mostly go to one key, and the same few names come back in every key.
    if (m_journalKeys.empty() || m_journalKeys.back() != op.key) m_journalKeys.push_back(op.key);
    // Looked up before it is added: adding builds an entry even for a name already there.
    auto name = m_journalNameNumbers.find(op.name);
    if (name == m_journalNameNumbers.end()) {
        name = m_journalNameNumbers.emplace(op.name, static_cast<uint32_t>(m_journalNames.size()))
                   .first;
        m_journalNames.push_back(op.name);
    }
    m_journal += static_cast<char>(op.kind);
    PutNumber(m_journal, static_cast<uint32_t>(m_journalKeys.size() - 1));
    PutNumber(m_journal, name->second);
}

void TRegistryIniFile::Replay(hive::THive& h) const {
    for (size_t at = 0; at < m_journal.size();) {
        const auto kind = static_cast<TOpKind>(m_journal[at++]);
        const std::string& key = m_journalKeys[TakeNumber(m_journal, at)];
        const std::string& name = m_journalNames[TakeNumber(m_journal, at)];
        if (kind != TOpKind::SetString && kind != TOpKind::SetInteger) {
            Apply(h, {kind, key, name, {}, 0});
            continue;
        }
        // A value written is the value this store holds now: a later write of the same value
        // replaced it, a later deletion removed it.
        const hive::TValue* v = m_hive.FindValue(key, name);
        if (!v) {
            h.DeleteValue(key, name);
        } else if (kind == TOpKind::SetString) {
            h.SetValue(key, hive::TValue::String(name, v->Text()));
        } else {
            int n = 0;
            if (v->Type() == hive::TValueType::Dword)
                n = static_cast<int>(v->Number());
            else
                ParseDecimalInt(std::string(v->Text()), n);
            Apply(h, {kind, key, name, {}, n});
        }
    }
}

bool TRegistryIniFile::UpdateFile() {
    if (m_journal.empty()) return true;
    std::string reason;
    if (!EnsureParentFolder(m_hivePath, &reason)) return Failed(reason);
    TFileLock lock(m_hivePath);
    if (!lock.Held()) return Failed(lock.Reason());
    RemoveStaleTempFiles(ResolveLinks(m_hivePath));
    // When nobody saved since this store read the file, what it holds is the file with its own
    // changes applied, and it is written as it is; otherwise the changes are applied to the file
    // as it is now.
    hive::THive current;
    // (A file that was missing then and is missing now is unchanged as well.)
    const bool unchanged = StampOf(m_hivePath) == m_stamp;
    if (unchanged) {
        current = std::move(m_hive);
    } else {
        if (!LoadLocked(current, &reason)) return Failed(reason);
        Replay(current);
    }
    current.ShrinkToFit();
    const bool written = WriteFileAtomically(
        m_hivePath, [&current](const TPieceWriter& put) { return current.Serialize(put); }, &reason,
        m_progress);
    m_hive = std::move(current);
    if (!written) {
        m_stamp = TFileStamp();
        return Failed(reason);
    }
    m_stamp = StampOf(m_hivePath);
    m_journal.clear();
    m_journal.shrink_to_fit();
    m_journalKeys.clear();
    m_journalNames.clear();
    m_journalNameNumbers.clear();
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
    if (v->Type() != hive::TValueType::String)
        throw ESettingsTypeError("Invalid data type for '" + name + "'");
    return std::string(v->Text());
}

int TRegistryIniFile::ReadInteger(const std::string& section, const std::string& name, int def) {
    const hive::TValue* v = Find(section, name);
    if (!v) return def;
    switch (v->Type()) {
        case hive::TValueType::Dword:
            return static_cast<int>(v->Number());
        case hive::TValueType::String: {
            int n;
            return ParseDecimalInt(std::string(v->Text()), n) ? n : def;
        }
        case hive::TValueType::Binary:
        case hive::TValueType::Kept:
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
        for (const auto& v : k->Values())
            if (v.Type() != hive::TValueType::Kept) out.push_back(std::string(v.Name()));
    return out;
}
