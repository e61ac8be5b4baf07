#pragma once
// The socket component keeps the error numbers of the Winsock interface, so that
// one table of error texts serves every platform. These map Linux errors onto them.
#include <QHostInfo>

namespace mail {

// Winsock error numbers the mail component knows by name.
enum WinsockError : int {
    WSAEINTR = 10004,
    WSAEBADF = 10009,
    WSAEACCES = 10013,
    WSAEFAULT = 10014,
    WSAEINVAL = 10022,
    WSAEMFILE = 10024,
    WSAEWOULDBLOCK = 10035,
    WSAEINPROGRESS = 10036,
    WSAENOTSOCK = 10038,
    WSAEADDRNOTAVAIL = 10049,
    WSAENETDOWN = 10050,
    WSAENETUNREACH = 10051,
    WSAECONNABORTED = 10053,
    WSAECONNRESET = 10054,
    WSAENOBUFS = 10055,
    WSAETIMEDOUT = 10060,
    WSAECONNREFUSED = 10061,
    WSAEHOSTUNREACH = 10065,
    WSANOTINITIALISED = 10093,
    WSAHOST_NOT_FOUND = 11001,
    WSATRY_AGAIN = 11002,
    WSANO_RECOVERY = 11003,
    WSANO_DATA = 11004,
};

// The Winsock number of an errno value (0 stays 0; EAGAIN/EWOULDBLOCK give 10035).
int WinsockErrorFromErrno(int err);

// The Winsock number of a failed host lookup (0 when the lookup succeeded).
int WinsockErrorFromLookup(QHostInfo::HostInfoError error);

} // namespace mail
