#include "patches/patchlist.h"

#include <QFile>
#include <QLoggingCategory>
#include <algorithm>

#include "patches/patchscriptparser.h"
#include "platform/settings/atomicfile.h"

// Off by default; QT_LOGGING_RULES="tastra.patches.info=true" shows which scripts were loaded.
Q_LOGGING_CATEGORY(lcPatches, "tastra.patches", QtWarningMsg)

namespace {
const char* const kIndexOutOfBounds = "Index out of bounds";
// Only the start of a file is looked at before parsing: enough to find its first command.
constexpr qint64 kStartCheckBytes = 512;

QByteArray ReadWholeFile(const QString& fileName) {
    // Only a regular file is opened: a FIFO or device would block the program in the open.
    std::string reason;
    const int fd = OpenRegularFile(QFile::encodeName(fileName).toStdString(), &reason);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        throw std::runtime_error(
            TPatchScriptParser::tr("Cannot open file \"%1\". %2")
                .arg(fileName, fd < 0 ? QString::fromStdString(reason) : file.errorString())
                .toStdString());
    // A file that does not start like a patch script is refused before the rest is read: the
    // chooser describes whatever file the user selects, large ones included.
    QByteArray data = file.read(kStartCheckBytes);
    if (file.error() == QFileDevice::NoError && !TPatchScriptParser::StartLooksRight(data))
        throw std::runtime_error(
            TPatchScriptParser::tr("Script is not a Cubase Parse File.").toStdString());
    data += file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(TPatchScriptParser::tr("Cannot read file \"%1\". %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    return data;
}
}  // namespace

int CompareTextAscii(const QString& a, const QString& b) {
    const int n = static_cast<int>(std::min(a.size(), b.size()));
    for (int i = 0; i < n; ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// ---------------------------------------------------------------------------------------------

TPatchProgram::TPatchProgram(TPatchModeGroup* group, const QString& name, int bank, int program)
    : m_group(group), m_name(name), m_bank(bank), m_program(program) {}

TPatchModeGroup* TPatchProgram::TopMode() const { return m_group ? m_group->TopMode() : nullptr; }

void TPatchProgram::SetKeyName(int key, const QString& name) {
    if (key < 0 || key > 127) throw std::out_of_range(kIndexOutOfBounds);
    if (!m_keyNames) m_keyNames = std::make_unique<QStringList>(QList<QString>(128));
    (*m_keyNames)[key] = name;
}

QString TPatchProgram::FormatDisplayText(const QString& name, int program, int bank, int base) {
    const QString p = program < 0
                          ? QStringLiteral("---")
                          : QStringLiteral("%1").arg(program + base, 3, 10, QLatin1Char('0'));
    const QString b = bank < 0 ? QStringLiteral("-----")
                               : QStringLiteral("%1").arg(bank + base, 5, 10, QLatin1Char('0'));
    return name + QLatin1Char(' ') + p + QLatin1Char(':') + b;
}

QString TPatchProgram::DisplayText(int bankOffset) const {
    // Both numbers count from the bank base: scripts list programs the way banks are counted.
    return FormatDisplayText(m_name, m_program, m_bank, bankOffset);
}

// ---------------------------------------------------------------------------------------------

TPatchModeGroup::TPatchModeGroup(TPatchList* list, TPatchModeGroup* parent, const QString& name)
    : m_list(list), m_parent(parent), m_name(name) {}

TPatchProgram* TPatchModeGroup::Program(int index) const {
    if (index < 0 || index >= ProgramCount()) throw std::out_of_range(kIndexOutOfBounds);
    return m_programs[index].get();
}

TPatchModeGroup* TPatchModeGroup::Subgroup(int index) const {
    if (index < 0 || index >= SubgroupCount()) throw std::out_of_range(kIndexOutOfBounds);
    return m_subgroups[index].get();
}

TPatchModeGroup* TPatchModeGroup::TopMode() {
    TPatchModeGroup* g = this;
    while (g->m_parent) g = g->m_parent;
    return g;
}

TPatchProgram* TPatchModeGroup::AddProgram(const QString& name, int bank, int program) {
    m_programs.push_back(std::make_unique<TPatchProgram>(this, name, bank, program));
    return m_programs.back().get();
}

TPatchModeGroup* TPatchModeGroup::AddSubgroup(const QString& name) {
    m_subgroups.push_back(std::make_unique<TPatchModeGroup>(m_list, this, name));
    return m_subgroups.back().get();
}

void TPatchModeGroup::Sort() {
    if (m_sorted) {
        std::stable_sort(m_subgroups.begin(), m_subgroups.end(), [](const auto& a, const auto& b) {
            return CompareTextAscii(a->Name(), b->Name()) < 0;
        });
        std::stable_sort(m_programs.begin(), m_programs.end(), [](const auto& a, const auto& b) {
            return CompareTextAscii(a->Name(), b->Name()) < 0;
        });
    }
    for (auto& g : m_subgroups) g->Sort();
}

// ---------------------------------------------------------------------------------------------

TPatchModeGroup* TPatchList::Mode(int index) const {
    if (index < 0 || index >= ModeCount()) throw std::out_of_range(kIndexOutOfBounds);
    return m_modes[index].get();
}

TPatchModeGroup* TPatchList::FindMode(const QString& name) const {
    for (const auto& m : m_modes)
        if (CompareTextAscii(m->Name(), name) == 0) return m.get();
    return nullptr;
}

TPatchModeGroup* TPatchList::AddMode(const QString& name) {
    m_modes.push_back(std::make_unique<TPatchModeGroup>(this, nullptr, name));
    return m_modes.back().get();
}

std::unique_ptr<TPatchList> TPatchList::LoadFromBytes(const QByteArray& data,
                                                      const QString& fileName,
                                                      QStringList* messages, bool headerOnly) {
    if (!TPatchScriptParser::StartLooksRight(data.left(kStartCheckBytes)))
        throw std::runtime_error(
            TPatchScriptParser::tr("Script is not a Cubase Parse File.").toStdString());
    auto list = std::make_unique<TPatchList>();
    list->m_fileName = fileName;
    TPatchScriptParser parser(TPatchScriptParser::SplitLines(data),
                              headerOnly ? nullptr : messages);
    parser.ParseHeader(*list);
    if (headerOnly) return list;
    parser.ParsePatchNames(*list);
    for (auto& m : list->m_modes) m->Sort();
    return list;
}

std::unique_ptr<TPatchList> TPatchList::LoadFromFile(const QString& fileName,
                                                     QStringList* messages) {
    std::unique_ptr<TPatchList> list =
        LoadFromBytes(ReadWholeFile(fileName), fileName, messages, false);
    qCInfo(lcPatches).noquote() << "Loaded patch script" << fileName << "with" << list->ModeCount()
                                << "modes";
    return list;
}

std::unique_ptr<TPatchList> TPatchList::LoadHeaderFromFile(const QString& fileName) {
    return LoadFromBytes(ReadWholeFile(fileName), fileName, nullptr, true);
}
