#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class TPatchList;
class TPatchModeGroup;

// A fault in a patch script; the message carries the "Line %d: Error:" prefix.
class TPatchScriptParseException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One named sound of a patch script: program 0..127 and bank 0..16383 (-1 for none), with
// optional names for single keys (drum sounds).
class TPatchProgram {
public:
    TPatchProgram(TPatchModeGroup* group, const QString& name, int bank, int program);

    TPatchModeGroup* Group() const { return m_group; }
    TPatchModeGroup* TopMode() const;
    // The 128 key names, or nullptr when the patch names no keys.
    const QStringList* KeyNames() const { return m_keyNames.get(); }
    const QString& Name() const { return m_name; }
    int Bank() const { return m_bank; }
    int Program() const { return m_program; }
    // Throws std::out_of_range for a key outside 0..127.
    void SetKeyName(int key, const QString& name);
    // "Name 001:00001": both numbers with the bank display offset (0 or 1) added.
    QString DisplayText(int bankOffset) const;
    static QString FormatDisplayText(const QString& name, int program, int bank, int base);

private:
    TPatchModeGroup* m_group;
    std::unique_ptr<QStringList> m_keyNames;
    QString m_name;
    int m_bank;
    int m_program;
};

// A mode (top-level group, no parent) or a group inside one.
class TPatchModeGroup {
public:
    TPatchModeGroup(TPatchList* list, TPatchModeGroup* parent, const QString& name);

    TPatchModeGroup* Parent() const { return m_parent; }
    TPatchList* List() const { return m_list; }
    const QString& Name() const { return m_name; }
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool v) { m_sorted = v; }
    // 0..15, or -1 for none; set only on modes.
    int MidiChannel() const { return m_midiChannel; }
    void SetMidiChannel(int v) { m_midiChannel = v; }

    int ProgramCount() const { return static_cast<int>(m_programs.size()); }
    // Both accessors throw std::out_of_range("Index out of bounds") outside 0..count-1.
    TPatchProgram* Program(int index) const;
    int SubgroupCount() const { return static_cast<int>(m_subgroups.size()); }
    TPatchModeGroup* Subgroup(int index) const;

    bool IsMode() const { return m_parent == nullptr; }
    TPatchModeGroup* TopMode();

    TPatchProgram* AddProgram(const QString& name, int bank, int program);
    TPatchModeGroup* AddSubgroup(const QString& name);
    // Sorts this group by name when it is marked sorted, then every subgroup the same way.
    void Sort();

private:
    TPatchList* m_list;
    TPatchModeGroup* m_parent;
    std::vector<std::unique_ptr<TPatchProgram>> m_programs;
    std::vector<std::unique_ptr<TPatchModeGroup>> m_subgroups;
    QString m_name;
    bool m_sorted = false;
    int m_midiChannel = -1;
};

// A patch script read into modes, groups and patches.
class TPatchList {
public:
    TPatchList() = default;
    TPatchList(const TPatchList&) = delete;
    TPatchList& operator=(const TPatchList&) = delete;

    // Reads a whole script: header, patch names, sorting. Warnings go to messages when given;
    // an error is added there too and raised (TPatchScriptParseException, or std::runtime_error
    // for a file that is no patch script or cannot be read). Nothing is returned on failure.
    static std::unique_ptr<TPatchList> LoadFromFile(const QString& fileName, QStringList* messages);
    // Reads only the header, without messages: describes a file.
    static std::unique_ptr<TPatchList> LoadHeaderFromFile(const QString& fileName);
    // The same from the file's bytes; fileName is only remembered.
    static std::unique_ptr<TPatchList> LoadFromBytes(const QByteArray& data,
                                                     const QString& fileName, QStringList* messages,
                                                     bool headerOnly);

    const QString& FileName() const { return m_fileName; }
    int ModeCount() const { return static_cast<int>(m_modes.size()); }
    // Throws std::out_of_range("Index out of bounds") outside 0..count-1.
    TPatchModeGroup* Mode(int index) const;
    // The first mode whose name equals name ignoring ASCII case, or nullptr.
    TPatchModeGroup* FindMode(const QString& name) const;
    TPatchModeGroup* AddMode(const QString& name);

    QString CreatorFirstName, CreatorLastName, DeviceManufacturer, DeviceName, ScriptName,
        ScriptVersion;
    bool SwapValueBytes = false;
    bool SendMsbFirst = false;
    // Read and kept, but bank selects never depend on them.
    bool SendOnlyOneByte = false;
    bool SendAsProgramChange = false;

private:
    QString m_fileName;
    std::vector<std::unique_ptr<TPatchModeGroup>> m_modes;
};

// ASCII-only case-insensitive comparison (<0, 0, >0), as patch scripts compare names.
int CompareTextAscii(const QString& a, const QString& b);
