#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>

class TPatchList;
class TPatchModeGroup;
class TPatchProgram;

// Reads the text of a patch script command by command. Commands are lines of the form
// "[command]argument"; everything else is skipped. Warnings go to the messages list when one is
// given; errors are added there too and raised as TPatchScriptParseException.
class TPatchScriptParser {
    Q_DECLARE_TR_FUNCTIONS(TPatchScriptParser)

public:
    TPatchScriptParser(const QStringList& lines, QStringList* messages);

    // Whether the first bytes look like a patch script: after blanks, backspaces, CR and LF an
    // "[", then after blanks and backspaces a lower-case "c".
    static bool StartLooksRight(const QByteArray& head);
    // Splits bytes into lines (CR LF, LF or CR). UTF-8 when the bytes are valid UTF-8, else each
    // byte is one Latin-1 character, so no byte is ever lost or refused.
    static QStringList SplitLines(const QByteArray& data);

    // The header up to "define patchnames"; the list's header fields and flags are set.
    void ParseHeader(TPatchList& list);
    // Everything after the header, up to [end] or the end of the file.
    void ParsePatchNames(TPatchList& list);

    // Moves to the next command; false at [end] or the end of the file.
    bool NextCommand();
    const QString& Command() const { return m_command; }
    const QString& Argument() const { return m_argument; }
    int LineNumber() const;

    bool Matches(const char* keyword) const;
    bool Accept(const char* keyword);
    // The level 1..9 of a command starting with letter and a digit; 0 when it does not start
    // with letter. Any other second character is an error.
    int Level(char letter);
    int Number(bool consume);
    void Warning(const QString& text);
    [[noreturn]] void Error(const QString& text);

private:
    void PatchLine(int level);
    void KeyName();
    void Mode();
    void Group(int level);

    QStringList m_lines;
    int m_index = -1;
    QString m_command;
    QString m_argument;
    QStringList* m_messages;

    // Patch-name state: the open group at each level (0 = the mode), the current patch and the
    // last group opened by a g command.
    TPatchList* m_list = nullptr;
    std::array<TPatchModeGroup*, 10> m_levels{};
    TPatchProgram* m_patch = nullptr;
    TPatchModeGroup* m_lastGroup = nullptr;
};
