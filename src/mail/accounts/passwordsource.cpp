#include "mail/accounts/passwordsource.h"

#include "mail/accounts/keyring.h"

#include <cstdio>
#include <openssl/crypto.h>
#include <sys/wait.h>

namespace mail {

std::optional<std::string> RunPasswordCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "re");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string output;
    char buffer[512];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, got);
    }
    OPENSSL_cleanse(buffer, sizeof buffer);
    const int status = pclose(pipe);
    std::optional<std::string> line;
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        line = output.substr(0, output.find('\n'));
        if (!line->empty() && line->back() == '\r') {
            line->pop_back();
        }
    }
    OPENSSL_cleanse(output.data(), output.size());
    return line;
}

PasswordResult FindPassword(const SmtpSecurity& security, const std::string& server) {
    PasswordResult result;
    if (!security.Password.empty()) {
        result.Password = security.Password;
        result.Origin = PasswordOrigin::Settings;
        return result;
    }
    if (!security.PasswordEval.empty()) {
        if (auto password = RunPasswordCommand(security.PasswordEval); password && !password->empty()) {
            result.Password = std::move(*password);
            result.Origin = PasswordOrigin::Command;
            return result;
        }
        result.Problem = "the account's password command gave no password";
        return result;
    }
    std::string error;
    if (auto password = KeyringLookup(server, security.User, &error)) {
        result.Password = std::move(*password);
        result.Origin = PasswordOrigin::Keyring;
        return result;
    }
    result.Problem = "no password for " + security.User + " at " + server +
                     " in the account's settings or the keyring" + (error.empty() ? "" : " (" + error + ")");
    return result;
}

} // namespace mail
