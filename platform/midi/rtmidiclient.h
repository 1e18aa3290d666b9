#pragma once

#include <rtmidi/rtmidi_c.h>

#include <cstddef>
#include <memory>
#include <string>

// A client of the ALSA sequencer made through RtMidi's C interface. The RtMidi library (and with
// it the ALSA and JACK libraries it needs) is opened when the first client is made, not when the
// program starts. Failures are reported, never thrown; the C interface cannot tell why a call
// failed, only that it did.
class TRtMidiClient {
public:
    TRtMidiClient(const TRtMidiClient&) = delete;
    TRtMidiClient& operator=(const TRtMidiClient&) = delete;
    virtual ~TRtMidiClient();

    unsigned PortCount() const;
    std::string PortName(unsigned index) const;
    // Each is false when the sequencer refused.
    bool OpenPort(unsigned index, const std::string& ownPortName);
    bool OpenVirtualPort(const std::string& portName);
    void ClosePort();

protected:
    TRtMidiClient(RtMidiPtr client, bool input) : m_client(client), m_input(input) {}
    RtMidiPtr m_client;

private:
    bool m_input;
};

class TRtMidiIn : public TRtMidiClient {
public:
    // Null when there is no sequencer to reach (or no RtMidi library). Every kind of message is
    // delivered: which to keep is the receiver's business.
    static std::unique_ptr<TRtMidiIn> Create(const std::string& clientName);
    // Called on RtMidi's own thread with each message as it comes.
    void SetCallback(RtMidiCCallback callback, void* data);

private:
    using TRtMidiClient::TRtMidiClient;
};

class TRtMidiOut : public TRtMidiClient {
public:
    static std::unique_ptr<TRtMidiOut> Create(const std::string& clientName);
    void Send(const unsigned char* bytes, std::size_t length);

private:
    using TRtMidiClient::TRtMidiClient;
};
