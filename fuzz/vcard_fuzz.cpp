// Any bytes as a vCard file. Reading never fails; every address kept is one
// (an "@" between a local part and a domain, no blanks), a card keeps at most
// kMaxVCardEmails of them, and the problems told stay within their bound.
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/vcardparser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList problems;
    const auto cards =
        mail::ParseVCards(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), problems);
    for (const mail::VCardEntry& card : cards) {
        if (card.Emails.size() > mail::kMaxVCardEmails) {
            std::abort();
        }
        for (const QString& address : card.Emails) {
            if (!mail::LooksLikeAddress(address)) {
                std::abort();
            }
        }
    }
    if (qsizetype(cards.size()) > mail::kMaxVCards || problems.size() > mail::kMaxVCardProblems + 1) {
        std::abort();
    }
    return 0;
}
