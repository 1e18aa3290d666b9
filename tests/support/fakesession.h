#pragma once

#include <lo/lo_types.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/session/runplace.h"

// A session manager for tests: an OSC server on a UDP port of its own, served by its own thread
// as a real manager would be by its process. It records every message it receives, answers the
// announce as scripted and then, unless told otherwise, opens `session` in the client.
class TFakeSessionManager {
public:
    enum class TAnswer { Reply, Error, Silence };
    struct TMessage {
        std::string path;
        std::string types;
        std::vector<std::string> strings;
        std::vector<int> ints;
    };
    using TDatagram = std::vector<char>;

    explicit TFakeSessionManager(TAnswer answer = TAnswer::Reply);
    ~TFakeSessionManager();
    TFakeSessionManager(const TFakeSessionManager&) = delete;
    TFakeSessionManager& operator=(const TFakeSessionManager&) = delete;

    // What the client is told after the answer to its announce, before the open.
    std::vector<TDatagram> beforeOpen;
    // Sent after the answer (and beforeOpen) when open is set.
    TNsmSession session;
    bool open = true;

    // The NSM_URL of this manager.
    std::string Url() const { return m_url; }
    // Every message received so far (to `path` only, when given).
    std::vector<TMessage> Received(const std::string& path = std::string());
    // The /reply and /error messages that answer `request`.
    std::vector<TMessage> Answers(const std::string& request);
    // Sends to the client that announced itself (nothing before that).
    void Send(const TDatagram& datagram);
    // One argument of an OSC message: a string or a 32-bit integer.
    struct TArg {
        TArg(const char* s) : text(s) {}
        TArg(std::string s) : text(std::move(s)) {}
        TArg(int i) : isInt(true), number(i) {}
        bool isInt = false;
        std::string text;
        int number = 0;
    };
    static TDatagram Message(const std::string& path, const std::vector<TArg>& args = {});

private:
    static int Handle(const char* path, const char* types, lo_arg** argv, int argc,
                      lo_message message, void* self);
    void SendTo(int port, const TDatagram& datagram);

    TAnswer m_answer;
    lo_server_thread m_thread = nullptr;
    std::string m_url;
    std::mutex m_lock;
    std::vector<TMessage> m_received;
    int m_clientPort = 0;
};
