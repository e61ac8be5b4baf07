#pragma once
// When a card that could not be sent is tried again, and which failures are
// worth another try at all.
#include "mail/mailtypes.h"

#include <QDateTime>
#include <string>

namespace mail {

// How long a card is tried again after its first failure before it is given up.
constexpr qint64 kRetryDays = 3;

// The minutes to wait after the attempts-th failed try (from 1): 1, 5, 15, 60,
// then every hour.
int RetryDelayMinutes(int attempts);

// Whether a failure may pass by itself: no network, a name that could not be
// looked up, a refused or timed-out connection, a 4xx answer. A 5xx answer, a
// refused login or a TLS problem stays until the user does something.
// reason is the server's answer or the error text; error what the mail
// component reported (None when the server's answer alone decides).
bool TransientFailure(SendMailError error, const std::string& reason);

// When to try again after the attempts-th failure at now, given the first
// failure; invalid when the three days are over and the card is given up.
QDateTime NextAttempt(int attempts, const QDateTime& firstFailure, const QDateTime& now);

} // namespace mail
