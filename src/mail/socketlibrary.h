#pragma once
// SocketLibrary: the socket entry points the socket component calls, taken either
// from the system's own socket interface or from a shared library loaded at run
// time, so the component can be pointed at another implementation.
#include <cstdint>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>

namespace mail {

struct SocketEntryPoints {
    int (*socket)(int, int, int) = nullptr;
    int (*connect)(int, const sockaddr*, socklen_t) = nullptr;
    ssize_t (*send)(int, const void*, size_t, int) = nullptr;
    ssize_t (*recv)(int, void*, size_t, int) = nullptr;
    int (*close)(int) = nullptr;
    int (*getsockopt)(int, int, int, void*, socklen_t*) = nullptr;
    int (*gethostname)(char*, size_t) = nullptr;
    uint16_t (*htons)(uint16_t) = nullptr;
    uint32_t (*inet_addr)(const char*) = nullptr;
    char* (*inet_ntoa)(::in_addr) = nullptr;
};

class SocketLibrary {
public:
    // The system's socket interface (always complete).
    static std::unique_ptr<SocketLibrary> System();
    // The shared library of that name (a path or a name the loader searches for);
    // nullptr when it can't be loaded or lacks any entry point. Never prints.
    static std::unique_ptr<SocketLibrary> Load(const std::string& name);

    ~SocketLibrary();
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;

    const SocketEntryPoints& Calls() const { return calls_; }

private:
    SocketLibrary() = default;
    void* handle_ = nullptr;
    SocketEntryPoints calls_;
};

} // namespace mail
