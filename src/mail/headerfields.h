#pragma once
// Header fields of a composed message that strict readers parse without
// defects: mailboxes with their display names, address lists, unstructured
// texts folded to lines of at most 78 characters, the date and a message id.
#include <QDateTime>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

// The longest header line we write, without its CR LF.
inline constexpr std::size_t kHeaderLineLength = 78;

// The address with its domain in ASCII (IDNA); the local part stays as it is.
// An address without "@" or with a domain that has no ASCII form comes back
// unchanged.
std::string AsciiAddress(std::string_view address);

// Whether the local part (before the last "@") holds other than 7-bit text.
bool NeedsSmtpUtf8(std::string_view address);

// One mailbox: "address" alone when the name is empty or equals the address;
// otherwise the name as an atom phrase, a quoted string when it holds
// specials, or encoded words when it holds other than printable 7-bit text;
// then "<address>".
std::string FormatMailbox(std::string_view name, std::string_view address);

// "Name: a, b, c" folded after a comma wherever a line would grow too long.
std::string AddressHeader(std::string_view name, const std::vector<std::string>& mailboxes);

// "Name: value" for an unstructured value: trailing blanks dropped, plain text
// folded at blanks, other text as encoded words, every line at most 78
// characters where the text allows it (a single longer word is left whole).
std::string UnstructuredHeader(std::string_view name, std::string_view value);

// The date in the form of RFC 5322: "Mon, 07 Dec 2026 16:22:29 +0100".
std::string MailDate(const QDateTime& time);

// "<unique@domain>" with the domain of the sender's address (in ASCII), or
// fallbackDomain when the address has none.
std::string MakeMessageId(std::string_view fromAddress, std::string_view fallbackDomain);

} // namespace mail
