#include "mail/accounts/passwordsource.h"

#include "mail/accounts/keyring.h"
#include "mail/mailtypes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <openssl/crypto.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace mail {

namespace {

// More than any password line; the rest is read and dropped.
constexpr std::size_t kMostOutput = 64 * 1024;

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 100));
}

// Ends every process of the group (the shell and whatever it started there).
void EndGroup(pid_t group) {
    if (::kill(-group, 0) != 0) {
        return; // nothing of it is left
    }
    ::kill(-group, SIGTERM);
    ::kill(-group, SIGCONT);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::kill(-group, SIGKILL);
}

} // namespace

std::optional<std::string> RunPasswordCommand(const std::string& command, int limitMs, bool* timedOut) {
    if (timedOut != nullptr) {
        *timedOut = false;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A process group of its own, so that it can be ended with everything it
    // started; default signal handling and no blocked signals, as from a shell.
    sigset_t none;
    sigset_t defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string shell = "/bin/sh";
    std::string dashC = "-c";
    std::string text = command;
    char* argv[] = {shell.data(), dashC.data(), text.data(), nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, shell.c_str(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return std::nullopt;
    }

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    std::string output;
    char buffer[512];
    bool open = true;
    bool exited = false;
    int status = 0;
    while (Clock::now() < deadline) {
        if (!exited) {
            const pid_t waited = ::waitpid(pid, &status, WNOHANG);
            exited = waited == pid || (waited == -1 && errno == ECHILD);
        }
        // Done when the shell has ended and everything is read, or its first line
        // is: a helper it left behind may hold the pipe open.
        if (exited && (!open || output.find('\n') != std::string::npos)) {
            break;
        }
        if (!open) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        pollfd watch{fds[0], POLLIN, 0};
        const int ready = ::poll(&watch, 1, MillisecondsLeft(deadline));
        if (ready <= 0) {
            continue;
        }
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        if (got > 0) {
            output.append(buffer, std::min(static_cast<std::size_t>(got),
                                           kMostOutput - std::min(kMostOutput, output.size())));
        } else if (got == 0 || errno != EINTR) {
            open = false;
        }
    }
    OPENSSL_cleanse(buffer, sizeof buffer);
    ::close(fds[0]);
    const bool finished = exited;
    // Whatever of the group is still running is ended: after a time-out the
    // command itself, otherwise helpers it left behind.
    EndGroup(pid);
    if (!finished) {
        ::waitpid(pid, &status, 0);
        if (timedOut != nullptr) {
            *timedOut = true;
        }
        OPENSSL_cleanse(output.data(), output.size());
        return std::nullopt;
    }
    std::optional<std::string> line;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
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
        bool timedOut = false;
        if (auto password = RunPasswordCommand(security.PasswordEval, kPasswordCommandLimitMs, &timedOut);
            password && !password->empty()) {
            result.Password = std::move(*password);
            result.Origin = PasswordOrigin::Command;
            return result;
        }
        result.Problem =
            timedOut ? TranslatedMailText(QT_TRANSLATE_NOOP("MailError",
                                                            "the account's password command did not finish "
                                                            "within %1 seconds and was stopped"),
                                          std::to_string(kPasswordCommandLimitMs / 1000))
                     : TranslatedMailText(
                           QT_TRANSLATE_NOOP("MailError", "the account's password command gave no password"));
        return result;
    }
    std::string error;
    if (auto password = KeyringLookup(server, security.User, &error)) {
        result.Password = std::move(*password);
        result.Origin = PasswordOrigin::Keyring;
        return result;
    }
    const QString problem =
        QCoreApplication::translate("MailError",
                                    "no password for %1 at %2 in the account's settings or the keyring")
            .arg(QString::fromStdString(security.User), QString::fromStdString(server));
    result.Problem = (error.empty() ? problem
                                    : QCoreApplication::translate("MailError", "%1 (%2)")
                                          .arg(problem, QString::fromStdString(error)))
                         .toStdString();
    return result;
}

} // namespace mail
