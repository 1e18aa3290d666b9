#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/midi/midiservice.h"

// Device number meaning "no device selected"; also the tag of the "none" menu entry.
constexpr int NoDevice = 30000;

// Direction of a device in the process-wide record of open devices.
enum TMidiDirection { mdInput, mdOutput };

// Builds the message of a device error: the extra text and CR LF when there is extra text, then
// the service's description of the code, or "Unspecified error" when the service has none.
std::string MidiErrorMessage(const std::string& extra, bool haveText, const std::string& text);

// A failure of the MIDI output service; Code() is the service's result code (0 when the failure
// did not come from the service).
class EMidiOutputError : public std::runtime_error {
public:
    EMidiOutputError(const std::string& message, MidiResult code)
        : std::runtime_error(message), m_code(code) {}
    // The message for a service result code, asking the service for its text.
    static EMidiOutputError FromCode(TMidiOutService& service, MidiResult code,
                                     const std::string& extra = std::string());
    MidiResult Code() const { return m_code; }

private:
    MidiResult m_code;
};

// A failure of the MIDI input service; same shape as EMidiOutputError.
class EMidiInputError : public std::runtime_error {
public:
    EMidiInputError(const std::string& message, MidiResult code)
        : std::runtime_error(message), m_code(code) {}
    MidiResult Code() const { return m_code; }

private:
    MidiResult m_code;
};

// Opening a device was refused because it would wire a loopback driver's output to its own
// input.
class EVirtualMIDIFeedback : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Name prefixes of loopback drivers, whose input and output of the same name are wired together.
extern const std::array<const char*, 6> LoopbackPrefixes;

// Names compare equal when they differ only in letter case and in spaces.
bool SameDeviceName(const std::string& a, const std::string& b);
// True when the name starts with one of LoopbackPrefixes (ASCII case ignored).
bool IsLoopbackName(const std::string& name);
// True when opening the loopback device `name` in direction `dir` would close a loop with the
// same device open in the other direction.
bool WouldCreateLoop(TMidiDirection dir, const std::string& name);

// The process-wide record of open device names, one list per direction. A name is held at most
// once; names compare with the user's locale, ignoring case. Safe to call from any thread.
void RecordOpen(TMidiDirection dir, const std::string& name);
void RecordClosed(TMidiDirection dir, const std::string& name);
bool IsRecordedOpen(TMidiDirection dir, const std::string& name);
std::vector<std::string> RecordedOpenNames(TMidiDirection dir);
