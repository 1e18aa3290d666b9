#include <QString>
#include <iterator>

#include "platform/keys/keydata.h"

namespace keys {

namespace {

// Names of the keys of a US keyboard by set-1 scan code (index), without the E0 prefix.
// clang-format off
const char* const kPlainNames[89] = {
    nullptr, "Esc", "1", "2", "3", "4", "5", "6", "7", "8",                          // 0-9
    "9", "0", "-", "=", "Backspace", "Tab", "Q", "W", "E", "R",                      // 10-19
    "T", "Y", "U", "I", "O", "P", "[", "]", "Enter", "Ctrl",                         // 20-29
    "A", "S", "D", "F", "G", "H", "J", "K", "L", ";",                                // 30-39
    "'", "`", "Shift", "\\", "Z", "X", "C", "V", "B", "N",                           // 40-49
    "M", ",", ".", "/", "Right Shift", "Num *", "Alt", "Space", "Caps Lock", "F1",   // 50-59
    "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "Pause",                  // 60-69
    "Scroll Lock", "Num 7", "Num 8", "Num 9", "Num -", "Num 4", "Num 5", "Num 6",    // 70-77
    "Num +", "Num 1", "Num 2", "Num 3", "Num 0", "Num Del", nullptr, nullptr, "\\",  // 78-86
    "F11", "F12",                                                                    // 87-88
};
// clang-format on

const char* ExtendedName(int scan) {
    switch (scan) {
        case 28:
            return "Num Enter";
        case 29:
            return "Right Ctrl";
        case 53:
            return "Num /";
        case 55:
            return "Print Screen";
        case 56:
            return "Right Alt";
        case 69:
            return "Num Lock";
        case 71:
            return "Home";
        case 72:
            return "Up";
        case 73:
            return "Page Up";
        case 75:
            return "Left";
        case 77:
            return "Right";
        case 79:
            return "End";
        case 80:
            return "Down";
        case 81:
            return "Page Down";
        case 82:
            return "Insert";
        case 83:
            return "Delete";
        case 91:
            return "Left Super";
        case 92:
            return "Right Super";
        case 93:
            return "Menu";
        default:
            return nullptr;
    }
}

}  // namespace

QString KeyNameText(int scanCode, bool extended) {
    const char* name = nullptr;
    if (extended)
        name = ExtendedName(scanCode);
    else if (scanCode > 0 && scanCode < static_cast<int>(std::size(kPlainNames)))
        name = kPlainNames[scanCode];
    return name ? QString::fromLatin1(name) : QString();
}

}  // namespace keys
