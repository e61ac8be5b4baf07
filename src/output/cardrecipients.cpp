#include "output/cardrecipients.h"

#include "mail/addresslist.h"
#include "mail/mailaddress.h"

#include <QCoreApplication>
#include <set>

namespace output {

namespace {

// The same mailbox however it is written (letter case ignored throughout,
// as the servers people use do, and as MailBatch counts a second card).
QString AddressKey(const QString& address) {
    return address.toLower();
}

const mail::Contact* ContactByAddress(const std::vector<mail::Contact>& contacts, const QString& address) {
    const QString key = AddressKey(address);
    for (const mail::Contact& contact : contacts) {
        if (AddressKey(contact.Address) == key) {
            return &contact;
        }
    }
    return nullptr;
}

} // namespace

ResolvedRecipients ResolveRecipients(const QStringList& lists, const std::vector<mail::Contact>& contacts) {
    ResolvedRecipients result;
    std::set<QString> seen;
    bool tooMany = false;
    const auto add = [&](CardRecipient recipient) {
        if (!seen.insert(AddressKey(recipient.Address)).second) {
            return;
        }
        if (static_cast<int>(result.Recipients.size()) >= kMaxCardRecipients) {
            tooMany = true;
            return;
        }
        result.Recipients.push_back(std::move(recipient));
    };
    std::vector<mail::TypedRecipient> items;
    for (const QString& list : lists) {
        for (mail::TypedRecipient& typed : mail::ParseAddressList(list)) {
            items.push_back(std::move(typed));
        }
    }
    // Each problem names its recipient when there are several.
    const auto problem = [&](const mail::TypedRecipient& typed, const QString& text) {
        result.Problems << (items.size() > 1 ? QString("\"%1\": %2").arg(typed.Text, text) : text);
    };
    for (const mail::TypedRecipient& typed : items) {
        if (typed.Address.isEmpty()) {
            const std::vector<mail::Contact> found = mail::FindByName(contacts, typed.Name);
            if (found.empty() && !typed.Name.contains(' ') && typed.Name.contains('.')) {
                // One word with dots: an address without its "@" rather than a name.
                problem(typed, mail::TypedAddressProblem(typed.Name));
            } else if (found.empty()) {
                problem(typed, QCoreApplication::translate("CardRecipients",
                                                           "Nobody in your address books is called \"%1\".")
                                   .arg(typed.Name));
            } else if (found.size() > 1) {
                ResolvedRecipients::Ambiguous ambiguous{typed.Name, {}};
                for (const mail::Contact& contact : found) {
                    ambiguous.Matches << mail::ContactText(contact);
                }
                result.AmbiguousNames.push_back(ambiguous);
            } else {
                const mail::Contact& contact = found.front();
                add({contact.Name, FirstNameOf(contact.FirstName, contact.Name), contact.Address});
            }
            continue;
        }
        if (const QString unfit = mail::TypedAddressProblem(typed.Address); !unfit.isEmpty()) {
            problem(typed, unfit);
            continue;
        }
        CardRecipient recipient{typed.Name, {}, typed.Address};
        const mail::Contact* known = ContactByAddress(contacts, typed.Address);
        if (recipient.Name.isEmpty() && known) {
            recipient.Name = known->Name;
        }
        recipient.FirstName = FirstNameOf(
            known && (typed.Name.isEmpty() || typed.Name == known->Name) ? known->FirstName : QString(),
            recipient.Name);
        add(recipient);
    }
    if (tooMany) {
        result.Problems << QCoreApplication::translate(
            "CardRecipients", "A card goes to at most %n recipients at a time.", nullptr, kMaxCardRecipients);
    }
    return result;
}

QString FirstNameOf(const QString& firstName, const QString& displayName) {
    if (!firstName.trimmed().isEmpty()) {
        return firstName.trimmed();
    }
    const QString name = displayName.simplified();
    if (name.isEmpty() || name.contains('@')) {
        return {};
    }
    return name.section(' ', 0, 0);
}

} // namespace output
