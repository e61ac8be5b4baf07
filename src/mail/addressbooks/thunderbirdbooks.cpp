#include "mail/addressbooks/addressbooksources.h"

namespace mail {

void ReadThunderbirdBooks(const MailAccountPlaces&, AddressBooks&) {}

} // namespace mail
