#pragma once

#include <QCoreApplication>
#include <QString>

// The program's own texts and the names of its stored values, exactly as shown and stored. The
// texts are English; those marked for translation are shown through Shown(). The title, device
// names and addresses stay as they are in every language.
namespace texts {
// A marked text of this header in the language the program shows.
inline QString Shown(const char* text) { return QCoreApplication::translate("texts", text); }

inline constexpr const char* kProgramTitle = "Zorvik's Tastra";
inline constexpr const char* kMidiMapper = "MIDI Mapper";
inline constexpr const char* kKeyboardHint =
    QT_TRANSLATE_NOOP("texts", "Left Button: normal play mode   Right button: special hold mode");
inline constexpr const char* kChordHint = QT_TRANSLATE_NOOP("texts", "Change Chord (Home/End)");
inline constexpr const char* kOctaveHint =
    QT_TRANSLATE_NOOP("texts", "Change the octave when play with the computer keyboard");
inline constexpr const char* kBaseFormat = QT_TRANSLATE_NOOP("texts", "Base: %1");
inline constexpr const char* kOctaveFormat = QT_TRANSLATE_NOOP("texts", "Octave: %1");
inline constexpr const char* kTransposeReminder = QT_TRANSLATE_NOOP(
    "texts",
    "Transpose is activated (%1 semitones)!\r\nYou can edit the transposition from the Options "
    "menu.");
inline constexpr const char* kDontRemind =
    QT_TRANSLATE_NOOP("texts", "Do not show this reminder in future.");
inline constexpr const char* kForumsHint =
    QT_TRANSLATE_NOOP("texts", "Discuss this program in the online discussion forums");
inline constexpr const char* kHelpPage = "help/help.html";
inline constexpr const char* kForumAddress = "https://forum.tastra.example.org/";
inline constexpr const char* kPanicHint =
    QT_TRANSLATE_NOOP("texts", "Click here to stop all sounds immediately (Ctrl-Space)");
inline constexpr const char* kPanicFormat = QT_TRANSLATE_NOOP("texts", "Panic: %1%");
inline constexpr const char* kReadingPatchList =
    QT_TRANSLATE_NOOP("texts", "Reading patch list...");

// The eight built-in chords; index i is the keyboard's built-in chord i.
inline constexpr const char* kBuiltinChords[8] = {
    QT_TRANSLATE_NOOP("texts", "None"),     QT_TRANSLATE_NOOP("texts", "Major"),
    QT_TRANSLATE_NOOP("texts", "Minor"),    QT_TRANSLATE_NOOP("texts", "Major m7"),
    QT_TRANSLATE_NOOP("texts", "Minor m7"), QT_TRANSLATE_NOOP("texts", "Fifths"),
    QT_TRANSLATE_NOOP("texts", "Octave"),   QT_TRANSLATE_NOOP("texts", "Power")};
// Said once when a settings file of which nothing could be read was renamed (%1: the new name).
inline constexpr const char* kSettingsSetAside = QT_TRANSLATE_NOOP(
    "texts",
    "The settings file could not be read. It was kept as \"%1\"; the program starts with its "
    "default settings.");
}  // namespace texts

// Section and value names of the main window's settings.
namespace keys {
inline constexpr const char* kKeyboardForm = "KeyboardForm";
inline constexpr const char* kMWCtrl = "MWCtrl";
inline constexpr const char* kShowBasenoteButtons = "ShowBasenoteButtons";
inline constexpr const char* kMidiThru = "Midi Thru";
inline constexpr const char* kFirstTime = "First Time";
inline constexpr const char* kProgram = "Program";
inline constexpr const char* kBank = "Bank";
inline constexpr const char* kMouseWheelController = "MouseWheelController";
inline constexpr const char* kMouseWheelSensitivity = "MouseWheelSensitivity";
inline constexpr const char* kKnobPreset = "Knob Preset";
inline constexpr const char* kStayOnTop = "StayOnTop";
inline constexpr const char* kDontRemindTranspose = "DontRemindTranspose";
inline constexpr const char* kCustomChord = "CustomChord";
inline constexpr const char* kPatchScript = "PatchScript";
inline constexpr const char* kPatchMode = "PatchMode";
// The chosen language's code; empty follows the desktop.
inline constexpr const char* kLanguage = "Language";
// The eight import/export flags, in stored order.
inline constexpr const char* kImportExportFlags[8] = {
    "DontShowExSettings", "DontShowExKnobPresets",  "DontShowExKnobSnapshots", "DontShowExChords",
    "DontShowImSettings", "ImKnobPresetsOverwrite", "DontShowImKnobSnapshots", "ImChordsOverwrite"};
}  // namespace keys
