#pragma once
// Checks of mail addresses before anything goes to a server: the syntax of a
// mailbox in MAIL FROM and RCPT TO (dot-atoms or a quoted local part, a domain
// name or an address literal; UTF-8 letters allowed as in internationalised
// mail) and the size limits servers rely on. An address is never shortened: one
// that breaks a rule is refused, and the reason says which rule.
#include <QString>
#include <string>
#include <string_view>

namespace mail {

// The limits of RFC 5321, in bytes: local part, domain, and the whole path with
// its angle brackets.
constexpr std::size_t kMaxLocalPart = 64;
constexpr std::size_t kMaxDomain = 255;
constexpr std::size_t kMaxPath = 256;

// Empty when the address is fit to send; otherwise what is wrong with it, as a
// short English sentence fragment ("its local part is longer than 64 bytes").
std::string AddressProblem(std::string_view address);

// A recipient's address as a person typed it, the spaces around it ignored:
// empty when a card can go to it, otherwise a short sentence for the person
// who typed it ("Type the address the card goes to.").
QString TypedAddressProblem(const QString& typed);

} // namespace mail
