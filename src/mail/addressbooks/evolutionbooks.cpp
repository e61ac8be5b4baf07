#include "mail/addressbooks/addressbooksources.h"

namespace mail {

void ReadEvolutionBooks(const MailAccountPlaces&, AddressBooks&) {}

} // namespace mail
