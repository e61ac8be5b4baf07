#include "mail/addressbooks/addressbooksources.h"

namespace mail {

void ReadAbook(const MailAccountPlaces&, AddressBooks&) {}

} // namespace mail
