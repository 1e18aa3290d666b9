#include "platform/midi/midierrors.h"

#include "platform/lib/translatedtext.h"

bool CommonMidiErrorText(MidiResult code, std::string& text) {
    switch (code) {
        case kMidiOk:
            text = TranslatedText(
                "MidiError",
                QT_TRANSLATE_NOOP("MidiError", "The operation completed successfully."));
            return true;
        case kMidiErrError:
            text = TranslatedText("MidiError",
                                  QT_TRANSLATE_NOOP("MidiError", "An unspecified error occurred."));
            return true;
        case kMidiErrBadDeviceId:
            text = TranslatedText(
                "MidiError", QT_TRANSLATE_NOOP("MidiError", "The MIDI device is no longer there."));
            return true;
        case kMidiErrAllocated:
            text = TranslatedText(
                "MidiError", QT_TRANSLATE_NOOP("MidiError", "The MIDI device is already in use."));
            return true;
        case kMidiErrInvalHandle:
            text = TranslatedText(
                "MidiError",
                QT_TRANSLATE_NOOP("MidiError", "The MIDI device has gone away or is not open."));
            return true;
        case kMidiErrNoDriver:
            text = TranslatedText("MidiError",
                                  QT_TRANSLATE_NOOP("MidiError", "No MIDI driver is installed."));
            return true;
        case kMidiErrNoMem:
            text =
                TranslatedText("MidiError", QT_TRANSLATE_NOOP("MidiError", "Not enough memory."));
            return true;
        case kMidiErrNotSupported:
            text = TranslatedText("MidiError",
                                  QT_TRANSLATE_NOOP("MidiError", "The function is not supported."));
            return true;
        case kMidiErrUnprepared:
            text = TranslatedText("MidiError",
                                  QT_TRANSLATE_NOOP("MidiError", "The buffer was not prepared."));
            return true;
        case kMidiErrStillPlaying:
            text = TranslatedText(
                "MidiError",
                QT_TRANSLATE_NOOP("MidiError", "The buffer is still in use by the device."));
            return true;
        default:
            return false;
    }
}
