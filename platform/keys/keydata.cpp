#include "platform/keys/keydata.h"

#include <QKeyEvent>
#include <array>

namespace keys {

namespace {

// Set-1 scan codes of the keys that evdev numbers outside the main block (evdev code, scan
// code); all of them except Pause carry the E0 prefix on a PC keyboard.
struct TEvdevKey {
    int evdev;
    int scan;
    bool extended;
};
constexpr TEvdevKey kEvdevOutsideMainBlock[] = {
    {96, 28, true},    // keypad Enter
    {97, 29, true},    // right Ctrl
    {98, 53, true},    // keypad /
    {99, 55, true},    // Print Screen
    {100, 56, true},   // right Alt
    {102, 71, true},   // Home
    {103, 72, true},   // Up
    {104, 73, true},   // Page Up
    {105, 75, true},   // Left
    {106, 77, true},   // Right
    {107, 79, true},   // End
    {108, 80, true},   // Down
    {109, 81, true},   // Page Down
    {110, 82, true},   // Insert
    {111, 83, true},   // Delete
    {119, 69, false},  // Pause
    {125, 91, true},   // left Super
    {126, 92, true},   // right Super
    {127, 93, true},   // Menu
};
constexpr int kEvdevLastMainBlock = 88;  // F12
constexpr int kScanNumLock = 69;         // sent with the extended flag, unlike Pause

// Virtual keys of the main block and keypad of a US keyboard, by set-1 scan code.
constexpr std::array<uint8_t, 89> kScanToVk = [] {
    std::array<uint8_t, 89> t{};
    const char* top = "1234567890";
    for (int i = 0; i < 10; ++i) t[2 + i] = static_cast<uint8_t>(top[i]);
    const char* q = "QWERTYUIOP";
    for (int i = 0; i < 10; ++i) t[16 + i] = static_cast<uint8_t>(q[i]);
    const char* a = "ASDFGHJKL";
    for (int i = 0; i < 9; ++i) t[30 + i] = static_cast<uint8_t>(a[i]);
    const char* z = "ZXCVBNM";
    for (int i = 0; i < 7; ++i) t[44 + i] = static_cast<uint8_t>(z[i]);
    t[1] = vk::kEscape;
    t[12] = vk::kOemMinus;
    t[13] = vk::kOemPlus;
    t[14] = vk::kBack;
    t[15] = vk::kTab;
    t[26] = vk::kOem4;
    t[27] = vk::kOem6;
    t[28] = vk::kReturn;
    t[29] = vk::kControl;
    t[39] = vk::kOem1;
    t[40] = vk::kOem7;
    t[41] = vk::kOem3;
    t[42] = vk::kShift;
    t[43] = vk::kOem5;
    t[51] = vk::kOemComma;
    t[52] = vk::kOemPeriod;
    t[53] = vk::kOem2;
    t[54] = vk::kShift;
    t[55] = vk::kMultiply;
    t[56] = vk::kMenu;
    t[57] = vk::kSpace;
    t[58] = vk::kCapital;
    for (int i = 0; i < 10; ++i) t[59 + i] = static_cast<uint8_t>(vk::kF1 + i);
    t[69] = vk::kPause;
    t[70] = vk::kScroll;
    // The keypad as the layout sees it; Num Lock turns these into digits later on.
    t[71] = vk::kHome;
    t[72] = vk::kUp;
    t[73] = vk::kPrior;
    t[74] = vk::kSubtract;
    t[75] = vk::kLeft;
    t[76] = vk::kClear;
    t[77] = vk::kRight;
    t[78] = vk::kAdd;
    t[79] = vk::kEnd;
    t[80] = vk::kDown;
    t[81] = vk::kNext;
    t[82] = vk::kInsert;
    t[83] = vk::kDelete;
    t[86] = vk::kOem102;
    t[87] = vk::kF1 + 10;
    t[88] = vk::kF1 + 11;
    return t;
}();

int ExtendedScanToVk(int scan) {
    switch (scan) {
        case 28:
            return vk::kReturn;
        case 29:
            return vk::kControl;
        case 53:
            return vk::kDivide;
        case 55:
            return vk::kSnapshot;
        case 56:
            return vk::kMenu;
        case 69:
            return vk::kNumLock;
        case 91:
            return vk::kLWin;
        case 92:
            return vk::kRWin;
        case 93:
            return vk::kApps;
        default:
            break;
    }
    // Navigation keys outside the keypad share the keypad's scan codes.
    if (scan >= 71 && scan <= 83 && scan != 74 && scan != 76 && scan != 78) return kScanToVk[scan];
    return 0;
}

// Virtual key of a symbol key from the character Qt reports, shifted or not, as on a US
// keyboard; used only when the physical key is unknown.
int SymbolVirtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return vk::kOem1;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return vk::kOemPlus;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return vk::kOemComma;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return vk::kOemMinus;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return vk::kOemPeriod;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return vk::kOem2;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return vk::kOem3;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return vk::kOem4;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return vk::kOem5;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return vk::kOem6;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return vk::kOem7;
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
            return '2';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_AsciiCircum:
            return '6';
        case Qt::Key_Ampersand:
            return '7';
        case Qt::Key_Asterisk:
            return '8';
        case Qt::Key_ParenLeft:
            return '9';
        case Qt::Key_ParenRight:
            return '0';
        default:
            return 0;
    }
}

// Keys that carry the E0 prefix on a PC keyboard, for events without a native key code.
bool ExtendedQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers & Qt::KeypadModifier;
    switch (qtKey) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Insert:
        case Qt::Key_Delete:
            return !keypad;
        case Qt::Key_Enter:
        case Qt::Key_Slash:
            return keypad;
        case Qt::Key_AltGr:
        case Qt::Key_Print:
        case Qt::Key_NumLock:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Meta:
        case Qt::Key_Menu:
            return true;
        default:
            return false;
    }
}

}  // namespace

TScan ScanFromNativeCode(quint32 nativeScanCode) {
#ifdef Q_OS_WIN
    // Windows reports the set-1 code with the extended flag as bit 8.
    return {static_cast<int>(nativeScanCode & 0xFF), (nativeScanCode & 0x100) != 0};
#else
    if (nativeScanCode < 8) return {};
    const int evdev = static_cast<int>(nativeScanCode) - 8;
    if (evdev <= kEvdevLastMainBlock) return {evdev, evdev == kScanNumLock};
    for (const TEvdevKey& k : kEvdevOutsideMainBlock)
        if (k.evdev == evdev) return {k.scan, k.extended};
    // Media and other keys no PC set-1 key corresponds to: flagged extended so that nothing
    // takes them for a key of the main block.
    return {evdev <= 0xFF ? evdev : 0, true};
#endif
}

int VirtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // same numbers
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? vk::kNumpad0 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::kF1 + (qtKey - Qt::Key_F1);
    if (keypad) {
        switch (qtKey) {
            case Qt::Key_Asterisk:
                return vk::kMultiply;
            case Qt::Key_Plus:
                return vk::kAdd;
            case Qt::Key_Minus:
                return vk::kSubtract;
            case Qt::Key_Period:
            case Qt::Key_Comma:
                return vk::kDecimal;
            case Qt::Key_Slash:
                return vk::kDivide;
            default:
                break;
        }
    }
    switch (qtKey) {
        case Qt::Key_Space:
            return vk::kSpace;
        case Qt::Key_Escape:
            return vk::kEscape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vk::kTab;
        case Qt::Key_Backspace:
            return vk::kBack;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::kReturn;
        case Qt::Key_Insert:
            return vk::kInsert;
        case Qt::Key_Delete:
            return vk::kDelete;
        case Qt::Key_Pause:
            return vk::kPause;
        case Qt::Key_Print:
        case Qt::Key_SysReq:
            return vk::kSnapshot;
        case Qt::Key_Clear:
            return vk::kClear;
        case Qt::Key_Home:
            return vk::kHome;
        case Qt::Key_End:
            return vk::kEnd;
        case Qt::Key_Left:
            return vk::kLeft;
        case Qt::Key_Up:
            return vk::kUp;
        case Qt::Key_Right:
            return vk::kRight;
        case Qt::Key_Down:
            return vk::kDown;
        case Qt::Key_PageUp:
            return vk::kPrior;
        case Qt::Key_PageDown:
            return vk::kNext;
        case Qt::Key_Shift:
            return vk::kShift;
        case Qt::Key_Control:
            return vk::kControl;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return vk::kMenu;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return vk::kLWin;
        case Qt::Key_Super_R:
            return vk::kRWin;
        case Qt::Key_Menu:
            return vk::kApps;
        case Qt::Key_CapsLock:
            return vk::kCapital;
        case Qt::Key_NumLock:
            return vk::kNumLock;
        case Qt::Key_ScrollLock:
            return vk::kScroll;
        default:
            return 0;
    }
}

int ScanCodeToVirtualKey(int scanCode, bool extended) {
    if (extended) return ExtendedScanToVk(scanCode);
    if (scanCode < 0 || scanCode >= static_cast<int>(kScanToVk.size())) return 0;
    return kScanToVk[scanCode];
}

int VirtualKeyToScanCode(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 255) return 0;
    if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad0 + 9) {
        static const int kPad[10] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
        return kPad[virtualKey - vk::kNumpad0];
    }
    switch (virtualKey) {
        case vk::kDecimal:
            return 83;
        case vk::kDivide:
            return 53;
        case vk::kSnapshot:
            return 55;
        case vk::kNumLock:
            return 69;
        case vk::kLWin:
            return 91;
        case vk::kRWin:
            return 92;
        case vk::kApps:
            return 93;
        default:
            break;
    }
    for (int s = 1; s < static_cast<int>(kScanToVk.size()); ++s)
        if (kScanToVk[s] == virtualKey) return s;
    return 0;
}

char16_t VirtualKeyToChar(int virtualKey) {
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return static_cast<char16_t>(virtualKey);
    if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad0 + 9)
        return static_cast<char16_t>('0' + virtualKey - vk::kNumpad0);
    switch (virtualKey) {
        case vk::kBack:
        case vk::kTab:
        case vk::kReturn:
        case vk::kEscape:
        case vk::kSpace:
            return static_cast<char16_t>(virtualKey);
        case vk::kMultiply:
            return u'*';
        case vk::kAdd:
            return u'+';
        case vk::kSubtract:
            return u'-';
        case vk::kDecimal:
            return u'.';
        case vk::kDivide:
            return u'/';
        case vk::kOem1:
            return u';';
        case vk::kOemPlus:
            return u'=';
        case vk::kOemComma:
            return u',';
        case vk::kOemMinus:
            return u'-';
        case vk::kOemPeriod:
            return u'.';
        case vk::kOem2:
            return u'/';
        case vk::kOem3:
            return u'`';
        case vk::kOem4:
            return u'[';
        case vk::kOem5:
            return u'\\';
        case vk::kOem6:
            return u']';
        case vk::kOem7:
            return u'\'';
        case vk::kOem102:
            return u'\\';
        default:
            return 0;
    }
}

bool KeyDataFromEvent(const QKeyEvent& event, TKeyData& data) {
    const bool release = event.type() == QEvent::KeyRelease;
    if (!release && event.type() != QEvent::KeyPress) return false;
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();

    TScan scan = ScanFromNativeCode(event.nativeScanCode());
    int virtualKey = VirtualKeyOfQtKey(key, mods);
    if (virtualKey == 0) virtualKey = ScanCodeToVirtualKey(scan.scanCode, scan.extended);
    if (virtualKey == 0) virtualKey = SymbolVirtualKey(key);
    if (scan.scanCode == 0 && event.nativeScanCode() == 0) {
        // No physical key known (synthesised events, platforms without native codes).
        scan.scanCode = VirtualKeyToScanCode(virtualKey);
        scan.extended = ExtendedQtKey(key, mods);
    }

    data = TKeyData{};
    data.repeatCount = 1;
    data.scanCode = static_cast<uint8_t>(scan.scanCode);
    data.extended = scan.extended;
    data.context = (mods & Qt::AltModifier) || virtualKey == vk::kMenu;
    // A release always follows a key that was down; a press of a key already down is a repeat.
    data.previousState = release || event.isAutoRepeat();
    data.transition = release;
    data.virtualKey = static_cast<uint8_t>(virtualKey);
    data.deadKey = key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;

    const char16_t c = VirtualKeyToChar(virtualKey);
    const QString text = event.text();
    const bool layoutChar = virtualKey >= vk::kOem1 || virtualKey == 0 || data.deadKey;
    if (layoutChar && text.size() == 1 && text[0].isPrint())
        data.character = text;  // the layout's own symbol beats the US guess
    else if (c != 0)
        data.character = QString(QChar(c));
    return true;
}

}  // namespace keys
