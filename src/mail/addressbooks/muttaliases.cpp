#include "mail/addressbooks/addressbooksources.h"

namespace mail {

void ReadMuttAliases(const MailAccountPlaces&, AddressBooks&) {}

} // namespace mail
