#pragma once

#include <memory>
#include <string>

#include "platform/midi/midiservice.h"

class TSynthDevice;

// Name of output device 0, the built-in General MIDI synthesizer.
constexpr const char* kBuiltinSynthName = "Built-in Synth";
// Product name the system service reports for the mapper (device kMidiMapperId).
constexpr const char* kMidiMapperName = "MIDI Mapper";

// Result codes of the system service beyond the common ones.
constexpr MidiResult kMidiErrNoSoundfont = kMidiErrBackendBase + 1;
constexpr MidiResult kMidiErrNoAudio = kMidiErrBackendBase + 2;
constexpr MidiResult kMidiErrSoundfontLoad = kMidiErrBackendBase + 3;
constexpr MidiResult kMidiErrNoMidiSystem = kMidiErrBackendBase + 4;
constexpr MidiResult kMidiErrPortOpen = kMidiErrBackendBase + 5;
constexpr MidiResult kMidiErrQueueFull = kMidiErrBackendBase + 6;
constexpr MidiResult kMidiErrNoSynthLibrary = kMidiErrBackendBase + 16;

// The MIDI output devices of this machine, numbered:
//   0            the built-in synthesizer (the mapper, -1, routes to it as well),
//   1            the program's own port, "<clientName> (own port)", which other programs
//                connect to (the JACK port "<clientName> out:out" and/or an ALSA sequencer
//                port named clientName),
//   2 and up     the MIDI inputs of other programs: JACK ports by full name "client:port"
//                when a JACK server runs, then ALSA sequencer ports as "client:port" (without
//                the numbers, which change between runs) when the sequencer can be opened.
// The list is read afresh at every call; a handle refers to the opened port, not to a number,
// so it stays valid while the list changes. Sending to a port that has gone answers
// kMidiErrInvalHandle. Never starts a JACK server. Device 0 is `synth`, or one the service
// makes when none is given; it starts in the background when first opened, and only then.
std::unique_ptr<TMidiOutService> CreateSystemMidiOutService(const std::string& clientName,
                                                            TSynthDevice* synth = nullptr);

// The MIDI input devices of this machine, numbered:
//   0            the program's own port, "<clientName> (own port)", which other programs send
//                to (the JACK port "<clientName> in:in" and/or an ALSA sequencer port named
//                clientName),
//   1 and up     the MIDI outputs of other programs: JACK ports by full name "client:port" when
//                a JACK server runs, then ALSA sequencer ports as "client:port" without the
//                numbers; our own ports are left out.
// Messages arrive on the MIDI system's own thread, whole: system-exclusive messages fill the
// buffers given to the service (continuing in the next buffer when longer), and are dropped for
// want of a buffer. Nothing is filtered. Time stamps count milliseconds from InStart. A handle
// refers to the opened port, not to a number. Never starts a JACK server.
std::unique_ptr<TMidiInService> CreateSystemMidiInService(const std::string& clientName);

// "Midi Through:Midi Through Port-0 14:0" -> "Midi Through:Midi Through Port-0".
std::string StripAlsaPortNumbers(const std::string& name);
// True when `portName` ("client:port") belongs to a client of ours: ALSA names ours clientName,
// JACK clientName and JackClientName(clientName, role) for our roles, with "-NN" appended when
// the name is taken.
bool IsOwnPortName(const std::string& portName, const std::string& clientName);
