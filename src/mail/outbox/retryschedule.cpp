#include "mail/outbox/retryschedule.h"

#include <array>

namespace mail {

int RetryDelayMinutes(int attempts) {
    static constexpr std::array<int, 4> kFirst{1, 5, 15, 60};
    if (attempts < 1) {
        return kFirst[0];
    }
    return attempts <= static_cast<int>(kFirst.size()) ? kFirst[attempts - 1] : 60;
}

bool TransientFailure(SendMailError error, const std::string& reason) {
    // The server's own answer decides first: 4xx is "try later", 5xx is "no".
    if (reason.size() >= 3 && reason[1] >= '0' && reason[1] <= '9' && reason[2] >= '0' && reason[2] <= '9') {
        if (reason[0] == '4') {
            return true;
        }
        if (reason[0] == '5') {
            return false;
        }
    }
    using E = SendMailError;
    switch (error) {
    case E::NetworkDown:
    case E::ConnectionAborted:
    case E::ConnectionReset:
    case E::TimedOut:
    case E::NetworkUnreachable:
    case E::AddressNotAvailable:
    case E::ConnectionRefused:
    case E::AddressResolution:
    case E::PrematurelyDisconnected:
    case E::HostUnreachable:
    case E::OutOfSockets:
    case E::GeneralWinsockError:
        return true;
    default:
        return false;
    }
}

QDateTime NextAttempt(int attempts, const QDateTime& firstFailure, const QDateTime& now) {
    const QDateTime next = now.addSecs(qint64(RetryDelayMinutes(attempts)) * 60);
    const QDateTime end = firstFailure.addDays(kRetryDays);
    if (now >= end) {
        return {};
    }
    // The last try falls at the end of the three days, not after it.
    return next < end ? next : end;
}

} // namespace mail
