#include "support/fakesession.h"

#include <arpa/inet.h>
#include <lo/lo.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

TFakeSessionManager::TFakeSessionManager(TAnswer answer) : m_answer(answer) {
    m_thread = lo_server_thread_new_with_proto(nullptr, LO_UDP, nullptr);
    lo_server_thread_add_method(m_thread, nullptr, nullptr, &TFakeSessionManager::Handle, this);
    m_url = "osc.udp://127.0.0.1:" + std::to_string(lo_server_thread_get_port(m_thread)) + "/";
    lo_server_thread_start(m_thread);
}

TFakeSessionManager::~TFakeSessionManager() {
    lo_server_thread_stop(m_thread);
    lo_server_thread_free(m_thread);
}

std::vector<TFakeSessionManager::TMessage> TFakeSessionManager::Received(const std::string& path) {
    std::lock_guard<std::mutex> hold(m_lock);
    std::vector<TMessage> out;
    for (const TMessage& m : m_received)
        if (path.empty() || m.path == path) out.push_back(m);
    return out;
}

std::vector<TFakeSessionManager::TMessage> TFakeSessionManager::Answers(
    const std::string& request) {
    std::vector<TMessage> out;
    for (const TMessage& m : Received())
        if ((m.path == "/reply" || m.path == "/error") && !m.strings.empty() &&
            m.strings[0] == request)
            out.push_back(m);
    return out;
}

void TFakeSessionManager::Send(const TDatagram& datagram) {
    int port = 0;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        port = m_clientPort;
    }
    if (port) SendTo(port, datagram);
}

TFakeSessionManager::TDatagram TFakeSessionManager::Message(const std::string& path,
                                                            const std::vector<TArg>& args) {
    lo_message m = lo_message_new();
    for (const TArg& a : args) {
        if (a.isInt)
            lo_message_add_int32(m, a.number);
        else
            lo_message_add_string(m, a.text.c_str());
    }
    size_t size = 0;
    void* bytes = lo_message_serialise(m, path.c_str(), nullptr, &size);
    TDatagram out(static_cast<char*>(bytes), static_cast<char*>(bytes) + size);
    free(bytes);
    lo_message_free(m);
    return out;
}

void TFakeSessionManager::SendTo(int port, const TDatagram& datagram) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    close(fd);
}

int TFakeSessionManager::Handle(const char* path, const char* types, lo_arg** argv, int argc,
                                lo_message message, void* self) {
    auto* fake = static_cast<TFakeSessionManager*>(self);
    TMessage m{path, types, {}, {}};
    for (int i = 0; i < argc; ++i) {
        if (types[i] == 's') m.strings.push_back(&argv[i]->s);
        if (types[i] == 'i') m.ints.push_back(argv[i]->i);
    }
    int port = 0;
    {
        std::lock_guard<std::mutex> hold(fake->m_lock);
        fake->m_received.push_back(m);
        if (m.path == "/nsm/server/announce") {
            fake->m_clientPort = std::atoi(lo_address_get_port(lo_message_get_source(message)));
            port = fake->m_clientPort;
        }
    }
    if (!port || fake->m_answer == TAnswer::Silence) return 0;
    if (fake->m_answer == TAnswer::Error) {
        fake->SendTo(port, Message("/error", {"/nsm/server/announce", -3, "not welcome"}));
        return 0;
    }
    fake->SendTo(port, Message("/reply", {"/nsm/server/announce", "Welcome", "Fake", ":server:"}));
    for (const TDatagram& d : fake->beforeOpen) fake->SendTo(port, d);
    if (fake->open)
        fake->SendTo(
            port, Message("/nsm/client/open",
                          {fake->session.path, fake->session.displayName, fake->session.clientId}));
    return 0;
}
