#pragma once
// The card's mail for each of its recipients, composed before anything is
// sent: only their own address in To with their name, the note made out to
// them, the picture inline. Ready to send now (MailBatch) or later.
#include "mail/mailbatch.h"
#include "output/cardmail.h"
#include "output/cardrecipients.h"

#include <vector>

namespace output {

std::vector<mail::ReadyMessage> ComposeCardMessages(const mail::MailAccount& account,
                                                    const std::vector<CardRecipient>& recipients,
                                                    const std::string& greeting, const QString& note,
                                                    const CardInlinePicture& picture);

// "Oma Ilse <ilse@example.org>", or the address alone when there is no name.
QString RecipientText(const std::string& name, const std::string& address);

} // namespace output
