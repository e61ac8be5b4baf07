#include "output/cardletters.h"

#include "mail/sendmail.h"
#include "output/cardnote.h"

namespace output {

std::vector<mail::ReadyMessage> ComposeCardMessages(const mail::MailAccount& account,
                                                    const std::vector<CardRecipient>& recipients,
                                                    const std::string& greeting, const QString& note,
                                                    const CardInlinePicture& picture) {
    // The headers need the sender only: no password is copied around for them.
    mail::MailAccount sender;
    sender.Name = account.Name;
    sender.Address = account.Address;
    mail::SendMail composer;
    std::vector<mail::ReadyMessage> messages;
    messages.reserve(recipients.size());
    for (const CardRecipient& recipient : recipients) {
        const std::string address = recipient.Address.toStdString();
        const std::string name = recipient.Name.toStdString();
        PrepareCardMail(composer, sender, address, greeting, picture, name,
                        NoteFor(note, recipient.FirstName).toStdString());
        messages.push_back({address, name, composer.ComposeReadyMessage()});
    }
    return messages;
}

QString RecipientText(const std::string& name, const std::string& address) {
    const QString shown = QString::fromStdString(address);
    return name.empty() || name == address ? shown : QString::fromStdString(name) + " <" + shown + ">";
}

} // namespace output
