#pragma once

// The program's own texts and the names of its stored values, exactly as shown and stored.
namespace texts {
inline constexpr const char* kProgramTitle = "Zorvik's Tastra";
inline constexpr const char* kMidiMapper = "MIDI Mapper";
inline constexpr const char* kKeyboardHint =
    "Left Button: normal play mode   Right button: special hold mode";
inline constexpr const char* kChordHint = "Change Chord (Home/End)";
inline constexpr const char* kOctaveHint = "Change the octave when play with the computer keyboard";
inline constexpr const char* kBaseFormat = "Base: %1";
inline constexpr const char* kOctaveFormat = "Octave: %1";
inline constexpr const char* kTransposeReminder =
    "Transpose is activated (%1 semitones)!\r\nYou can edit the transposition from the Options "
    "menu.";
inline constexpr const char* kDontRemind = "Do not show this reminder in future.";
inline constexpr const char* kForumsHint = "Discuss this program in the online discussion forums";
inline constexpr const char* kHelpPage = "help/help.html";
inline constexpr const char* kForumAddress = "https://forum.tastra.example.org/";
inline constexpr const char* kPanicHint = "Click here to stop all sounds immediately (Ctrl-Space)";
inline constexpr const char* kPanicFormat = "Panic: %1%";
inline constexpr const char* kReadingPatchList = "Reading patch list...";

// The eight built-in chords; index i is the keyboard's built-in chord i.
inline constexpr const char* kBuiltinChords[8] = {"None",     "Major",  "Minor",  "Major m7",
                                                  "Minor m7", "Fifths", "Octave", "Power"};
// Said once when a settings file of which nothing could be read was renamed (%1: the new name).
inline constexpr const char* kSettingsSetAside =
    "The settings file could not be read. It was kept as \"%1\"; the program starts with its "
    "default settings.";
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
// The eight import/export flags, in stored order.
inline constexpr const char* kImportExportFlags[8] = {
    "DontShowExSettings", "DontShowExKnobPresets",  "DontShowExKnobSnapshots", "DontShowExChords",
    "DontShowImSettings", "ImKnobPresetsOverwrite", "DontShowImKnobSnapshots", "ImChordsOverwrite"};
}  // namespace keys
