#include "mail/socketlibrary.h"

#include <arpa/inet.h>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace mail {

std::unique_ptr<SocketLibrary> SocketLibrary::System() {
    std::unique_ptr<SocketLibrary> lib(new SocketLibrary);
    SocketEntryPoints& c = lib->calls_;
    c.socket = &::socket;
    c.connect = &::connect;
    c.send = &::send;
    c.recv = &::recv;
    c.close = &::close;
    c.getsockopt = &::getsockopt;
    c.gethostname = &::gethostname;
    c.htons = [](uint16_t v) -> uint16_t {
        return htons(v);
    };
    c.inet_addr = &::inet_addr;
    c.inet_ntoa = &::inet_ntoa;
    return lib;
}

std::unique_ptr<SocketLibrary> SocketLibrary::Load(const std::string& name) {
    // Only the first 255 characters of the name count, as for any library name.
    const std::string file = name.substr(0, 255);
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        dlerror(); // consumed: a missing library is reported by the result alone
        return nullptr;
    }
    std::unique_ptr<SocketLibrary> lib(new SocketLibrary);
    lib->handle_ = handle;
    // dlsym also finds what the library's own dependencies define (every library
    // pulls in the C library): only entry points of the library itself count.
    link_map* map = nullptr;
    dlinfo(handle, RTLD_DI_LINKMAP, &map);
    bool complete = map != nullptr;
    auto take = [&](auto& slot, const char* symbol) {
        void* p = dlsym(handle, symbol);
        Dl_info where{};
        complete = complete && p != nullptr && dladdr(p, &where) != 0 && where.dli_fname &&
                   std::strcmp(where.dli_fname, map->l_name) == 0;
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(p);
    };
    SocketEntryPoints& c = lib->calls_;
    take(c.socket, "socket");
    take(c.connect, "connect");
    take(c.send, "send");
    take(c.recv, "recv");
    take(c.close, "close");
    take(c.getsockopt, "getsockopt");
    take(c.gethostname, "gethostname");
    take(c.htons, "htons");
    take(c.inet_addr, "inet_addr");
    take(c.inet_ntoa, "inet_ntoa");
    dlerror();
    if (!complete) {
        return nullptr; // the destructor unloads it
    }
    return lib;
}

SocketLibrary::~SocketLibrary() {
    if (handle_) {
        dlclose(handle_);
    }
}

} // namespace mail
