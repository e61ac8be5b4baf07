// Any bytes as a mutt configuration file. Reading never fails or runs
// anything; every alias has a key and an address that is one, and no source
// is a command ("cmd |") or a command's output (`cmd`).
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/muttaliases.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString aliasFile;
    const mail::MuttFile file =
        mail::ParseMuttFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), aliasFile);
    for (const mail::MuttAlias& alias : file.Aliases) {
        if (alias.Key.isEmpty() || !mail::LooksLikeAddress(alias.Address)) {
            std::abort();
        }
    }
    for (const QString& source : file.Sources) {
        if (source.isEmpty() || source.endsWith('|') || source.contains('`')) {
            std::abort();
        }
    }
    if (qsizetype(file.Aliases.size()) > mail::kMaxMuttAliases) {
        std::abort();
    }
    return 0;
}
