#include "platform/midi/midierrors.h"

bool CommonMidiErrorText(MidiResult code, std::string& text) {
    switch (code) {
        case kMidiOk:
            text = "The operation completed successfully.";
            return true;
        case kMidiErrError:
            text = "An unspecified error occurred.";
            return true;
        case kMidiErrBadDeviceId:
            text = "The MIDI device is no longer there.";
            return true;
        case kMidiErrAllocated:
            text = "The MIDI device is already in use.";
            return true;
        case kMidiErrInvalHandle:
            text = "The MIDI device has gone away or is not open.";
            return true;
        case kMidiErrNoDriver:
            text = "No MIDI driver is installed.";
            return true;
        case kMidiErrNoMem:
            text = "Not enough memory.";
            return true;
        case kMidiErrNotSupported:
            text = "The function is not supported.";
            return true;
        case kMidiErrUnprepared:
            text = "The buffer was not prepared.";
            return true;
        case kMidiErrStillPlaying:
            text = "The buffer is still in use by the device.";
            return true;
        default:
            return false;
    }
}
