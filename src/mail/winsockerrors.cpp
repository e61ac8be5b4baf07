#include "mail/winsockerrors.h"

#include <cerrno>

namespace mail {

int WinsockErrorFromErrno(int err) {
    switch (err) {
    case 0:
        return 0;
    case EAGAIN:
        return WSAEWOULDBLOCK;
    case EINPROGRESS:
        return WSAEWOULDBLOCK; // a non-blocking connect under way
    case EALREADY:
        return 10037;
    case ENOTSOCK:
        return WSAENOTSOCK;
    case EDESTADDRREQ:
        return 10039;
    case EMSGSIZE:
        return 10040;
    case EPROTOTYPE:
        return 10041;
    case ENOPROTOOPT:
        return 10042;
    case EPROTONOSUPPORT:
        return 10043;
    case ESOCKTNOSUPPORT:
        return 10044;
    case EOPNOTSUPP:
        return 10045;
    case EPFNOSUPPORT:
        return 10046;
    case EAFNOSUPPORT:
        return 10047;
    case EADDRINUSE:
        return 10048;
    case EADDRNOTAVAIL:
        return WSAEADDRNOTAVAIL;
    case ENETDOWN:
        return WSAENETDOWN;
    case ENETUNREACH:
        return WSAENETUNREACH;
    case ENETRESET:
        return 10052;
    case ECONNABORTED:
        return WSAECONNABORTED;
    case ECONNRESET:
    case EPIPE: // writing to a connection the peer has closed
        return WSAECONNRESET;
    case ENOBUFS:
    case ENOMEM:
        return WSAENOBUFS;
    case EISCONN:
        return 10056;
    case ENOTCONN:
        return 10057;
    case ESHUTDOWN:
        return 10058;
    case ETIMEDOUT:
        return WSAETIMEDOUT;
    case ECONNREFUSED:
        return WSAECONNREFUSED;
    case EHOSTDOWN:
        return 10064;
    case EHOSTUNREACH:
        return WSAEHOSTUNREACH;
    case ENFILE:
        return WSAEMFILE;
    default:
        // The low errno numbers are the same as the ones Winsock is numbered after
        // (EINTR, EBADF, EACCES, EFAULT, EINVAL, EMFILE, ...); others have no
        // Winsock counterpart and count as unknown.
        return err < 35 ? 10000 + err : 10000;
    }
}

int WinsockErrorFromLookup(QHostInfo::HostInfoError error) {
    switch (error) {
    case QHostInfo::NoError:
        return 0;
    case QHostInfo::HostNotFound:
        return WSAHOST_NOT_FOUND;
    case QHostInfo::UnknownError:
        return WSANO_RECOVERY;
    }
    return WSANO_RECOVERY;
}

} // namespace mail
