#include "mail/addressbooks/addressbook.h"

#include "mail/addressbooks/addressbooksources.h"
#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/problemlog.h"

#include <QHash>
#include <algorithm>

namespace mail {
namespace {

// The most addresses kept from all books together, the longest name kept
// whole, and the most warnings told.
constexpr std::size_t kMaxContacts = 250000;
constexpr qsizetype kMaxName = 256;
constexpr qsizetype kMaxWarnings = 100;

// How good a contact's name is: a real name beats one that is the address
// (or any address) and an empty one.
int NameQuality(const Contact& c) {
    if (c.Name.isEmpty()) {
        return 0;
    }
    return c.Name.contains('@') ? 1 : 2;
}

// Takes what the duplicate adds: the better name (with its book), the
// larger counts, a first name and a nick where the kept one has none.
void Merge(Contact& kept, const Contact& other) {
    if (NameQuality(other) > NameQuality(kept)) {
        kept.Name = other.Name;
        kept.Book = other.Book;
        if (!other.FirstName.isEmpty()) {
            kept.FirstName = other.FirstName;
        }
    }
    if (kept.FirstName.isEmpty()) {
        kept.FirstName = other.FirstName;
    }
    if (kept.Nick.isEmpty()) {
        kept.Nick = other.Nick;
    }
    kept.Popularity = std::max(kept.Popularity, other.Popularity);
    kept.LastUsed = std::max(kept.LastUsed, other.LastUsed);
}

// The words of a folded text: runs of letters and digits.
QStringList Words(const QString& folded) {
    QStringList words;
    QString word;
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty()) {
        words << word;
    }
    return words;
}

// Whether every typed word starts some word of the name.
bool WordsStart(const QStringList& typed, const QStringList& words) {
    return std::all_of(typed.begin(), typed.end(), [&](const QString& t) {
        return std::any_of(words.begin(), words.end(), [&](const QString& w) { return w.startsWith(t); });
    });
}

// Whether the words of part stand in words one after another.
bool ContainsWords(const QStringList& words, const QStringList& part) {
    if (part.isEmpty() || part.size() > words.size()) {
        return false;
    }
    for (qsizetype i = 0; i + part.size() <= words.size(); ++i) {
        if (std::equal(part.begin(), part.end(), words.begin() + i)) {
            return true;
        }
    }
    return false;
}

} // namespace

QString DataHome(const MailAccountPlaces& places) {
    return places.DataHome.isEmpty() ? places.Home + "/.local/share" : places.DataHome;
}

AddressBooks ReadAddressBooks(const MailAccountPlaces& places) {
    AddressBooks all;
    for (const auto read :
         {ReadThunderbirdBooks, ReadEvolutionBooks, ReadVCardFolders, ReadMuttAliases, ReadAbook}) {
        read(places, all);
    }
    // One entry per address, the first book's place kept.
    AddressBooks books;
    ProblemLog warnings(kMaxWarnings);
    for (const QString& warning : all.Warnings) {
        warnings.Add(warning);
    }
    QHash<QString, std::size_t> seen;
    for (Contact& c : all.Contacts) {
        if (c.Name.size() > kMaxName) {
            c.Name.truncate(c.Name[kMaxName - 1].isHighSurrogate() ? kMaxName - 1 : kMaxName);
        }
        const QString key = c.Address.toLower();
        const auto found = seen.constFind(key);
        if (found != seen.constEnd()) {
            Merge(books.Contacts[*found], c);
        } else if (books.Contacts.size() < kMaxContacts) {
            seen.insert(key, books.Contacts.size());
            books.Contacts.push_back(std::move(c));
        } else {
            warnings.Add(
                AddressBookText::tr("More than %1 addresses in the address books: the rest are left out.")
                    .arg(kMaxContacts));
            break;
        }
    }
    books.Warnings = warnings.Lines();
    // The most used first: Thunderbird's popularity, then the most recently
    // collected, then by name (or address where there is no name).
    std::vector<std::pair<QString, std::size_t>> keys;
    keys.reserve(books.Contacts.size());
    for (std::size_t i = 0; i < books.Contacts.size(); ++i) {
        const Contact& c = books.Contacts[i];
        keys.emplace_back(Folded(c.Name.isEmpty() ? c.Address : c.Name), i);
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        const Contact& x = books.Contacts[a.second];
        const Contact& y = books.Contacts[b.second];
        if (x.Popularity != y.Popularity) {
            return x.Popularity > y.Popularity;
        }
        if (x.LastUsed != y.LastUsed) {
            return x.LastUsed > y.LastUsed;
        }
        return a.first < b.first;
    });
    std::vector<Contact> sorted;
    sorted.reserve(keys.size());
    for (const auto& [key, index] : keys) {
        sorted.push_back(std::move(books.Contacts[index]));
    }
    books.Contacts = std::move(sorted);
    return books;
}

std::vector<Contact> MatchContacts(const std::vector<Contact>& contacts, const QString& typed, int limit) {
    std::vector<Contact> found;
    const QString text = Folded(typed.trimmed());
    const QStringList typedWords = Words(text);
    if (text.isEmpty() || limit <= 0) {
        return found;
    }
    for (const Contact& c : contacts) {
        const bool matches = Folded(c.Address).startsWith(text) ||
                             (!typedWords.isEmpty() && WordsStart(typedWords, Words(Folded(c.Name)))) ||
                             (!c.Nick.isEmpty() && Folded(c.Nick).startsWith(text));
        if (matches) {
            found.push_back(c);
            if (int(found.size()) == limit) {
                break;
            }
        }
    }
    return found;
}

std::vector<Contact> FindByName(const std::vector<Contact>& contacts, const QString& name) {
    std::vector<Contact> exact;
    std::vector<Contact> partial;
    const QStringList wanted = Words(Folded(name));
    if (wanted.isEmpty()) {
        return exact;
    }
    for (const Contact& c : contacts) {
        const QStringList words = Words(Folded(c.Name));
        if (words == wanted || (!c.Nick.isEmpty() && Words(Folded(c.Nick)) == wanted)) {
            exact.push_back(c);
        } else if (exact.empty() && ContainsWords(words, wanted)) {
            partial.push_back(c);
        }
    }
    return exact.empty() ? partial : exact;
}

QString ContactText(const Contact& c) {
    const QString name = c.Name.simplified();
    if (name.isEmpty() || name.compare(c.Address, Qt::CaseInsensitive) == 0) {
        return c.Address;
    }
    // A phrase of atoms stands as it is; specials need a quoted string.
    static const QString specials = QStringLiteral("()<>[]:;@\\,.\"");
    const bool quote = std::any_of(name.begin(), name.end(), [](QChar ch) {
        return specials.contains(ch) || ch.category() == QChar::Other_Control;
    });
    if (!quote) {
        return name + QLatin1String(" <") + c.Address + '>';
    }
    QString quoted = name;
    quoted.replace('\\', QLatin1String("\\\\")).replace('"', QLatin1String("\\\""));
    return '"' + quoted + QLatin1String("\" <") + c.Address + '>';
}

} // namespace mail
