#include "mail/accounts/keyring.h"

#include <libsecret/secret.h>

namespace mail {

namespace {

const SecretSchema* MailSchema() {
    static const SecretSchema schema = {"de.marlam.msmtp.password",
                                        SECRET_SCHEMA_DONT_MATCH_NAME,
                                        {{"host", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}}};
    return &schema;
}

void TakeError(GError* failure, std::string* error) {
    if (failure != nullptr) {
        if (error != nullptr) {
            *error = failure->message;
        }
        g_error_free(failure);
    }
}

} // namespace

std::optional<std::string> KeyringLookup(const std::string& host, const std::string& user,
                                         std::string* error) {
    GError* failure = nullptr;
    gchar* secret = secret_password_lookup_sync(MailSchema(), nullptr, &failure, "host", host.c_str(),
                                                "service", "smtp", "user", user.c_str(), nullptr);
    TakeError(failure, error);
    if (secret == nullptr) {
        return std::nullopt;
    }
    std::string password(secret);
    secret_password_free(secret); // wipes it
    return password;
}

bool KeyringStore(const std::string& host, const std::string& user, const std::string& password,
                  std::string* error) {
    GError* failure = nullptr;
    const std::string label = "msmtp: smtp://" + user + "@" + host;
    const gboolean stored = secret_password_store_sync(
        MailSchema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr, &failure, "host",
        host.c_str(), "service", "smtp", "user", user.c_str(), nullptr);
    TakeError(failure, error);
    return stored != FALSE;
}

} // namespace mail
