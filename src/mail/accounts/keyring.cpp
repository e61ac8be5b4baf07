#include "mail/accounts/keyring.h"

#include <cstdlib>
#include <libsecret/secret.h>
#include <string_view>
#include <sys/stat.h>

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

// Whether a session bus is there to be asked. Without one GLib would start a bus
// of its own (and the bus a keyring daemon), both outliving the program: the
// keyring is then left alone instead.
bool SessionBusThere(std::string* error) {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0') {
        const std::string_view text(address);
        if (!text.starts_with("autolaunch:") && !text.starts_with("disabled:")) {
            return true;
        }
    } else if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
        struct stat info {};
        if (::stat((std::string(runtime) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) {
            return true;
        }
    }
    if (error != nullptr) {
        *error = "no D-Bus session bus, so the keyring was not asked";
    }
    return false;
}

} // namespace

std::optional<std::string> KeyringLookup(const std::string& host, const std::string& user,
                                         std::string* error) {
    if (!SessionBusThere(error)) {
        return std::nullopt;
    }
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
    if (!SessionBusThere(error)) {
        return false;
    }
    GError* failure = nullptr;
    const std::string label = "msmtp: smtp://" + user + "@" + host;
    const gboolean stored = secret_password_store_sync(
        MailSchema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr, &failure, "host",
        host.c_str(), "service", "smtp", "user", user.c_str(), nullptr);
    TakeError(failure, error);
    return stored != FALSE;
}

} // namespace mail
