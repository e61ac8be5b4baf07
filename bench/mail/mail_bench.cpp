// Mail throughput: the encoders, a whole send of a 10 MB attachment to a real SMTP
// server on loopback (aiosmtpd), and the same message sent by msmtp for comparison.
#include "mail/base64.h"
#include "mail/quotedprintable.h"
#include "mail/sendmail.h"
#include "mail/uuencode.h"
#include "scriptedserver.h"
#include "smtpdaemon.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kSize = 10 * 1024 * 1024;

const std::string& Payload() {
    static const std::string data = [] {
        std::string out(kSize, '\0');
        uint32_t x = 12345;
        for (char& c : out) {
            x = x * 1664525u + 1013904223u;
            c = static_cast<char>(x >> 24);
        }
        return out;
    }();
    return data;
}

QTemporaryDir& Scratch() {
    static QTemporaryDir dir;
    return dir;
}

std::string AttachmentPath() {
    static const std::string path = [] {
        const QString p = Scratch().path() + "/attachment.bin";
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(Payload().data(), static_cast<qint64>(Payload().size()));
        return p.toStdString();
    }();
    return path;
}

void BM_Base64(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        out.clear();
        mail::Base64Encode(Payload().data(), Payload().size(), out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_Base64)->Unit(benchmark::kMillisecond);

void BM_QuotedPrintable(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        out.clear();
        mail::QuotedPrintableEncoder qp;
        qp.Encode(Payload().data(), Payload().size(), out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_QuotedPrintable)->Unit(benchmark::kMillisecond);

void BM_UUEncode(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        out.clear();
        mail::EncodeUU(Payload().data(), Payload().size(), out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_UUEncode)->Unit(benchmark::kMillisecond);

// One mail with the 10 MB attachment; returns false on any error.
bool SendOnce(quint16 port) {
    mail::SendMail mail;
    mailtest::Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = port;
    mail.FROM_Address = "a@example.org";
    mail.TO_Address = "t@example.org";
    mail.Subject = "Benchmark";
    mail.MailText = {"A big one."};
    mail.Attachments = {AttachmentPath()};
    mail.SetAction(mail::TMailAction::Send_Mail);
    return mailtest::waitForDone(t, 1, 120000) && t.errors.empty();
}

void BM_SendMailToServer(benchmark::State& state) {
    mailtest::SmtpDaemon daemon(Scratch().path() + "/maildir-sendmail");
    if (!daemon.running()) {
        state.SkipWithError("aiosmtpd did not start");
        return;
    }
    for (auto _ : state) {
        if (!SendOnce(daemon.port())) {
            state.SkipWithError("send failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_SendMailToServer)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The very message SendMail sends, as a file for msmtp.
QString MessageFile() {
    static const QString path = [] {
        mailtest::ScriptedSmtpServer server;
        mail::SendMail mail;
        mailtest::Transcript t;
        t.attach(mail);
        mail.SetSMTP_Server("127.0.0.1");
        mail.SMTP_Port = server.port();
        mail.FROM_Address = "a@example.org";
        mail.TO_Address = "t@example.org";
        mail.Subject = "Benchmark";
        mail.MailText = {"A big one."};
        mail.Attachments = {AttachmentPath()};
        mail.SetAction(mail::TMailAction::Send_Mail);
        mailtest::waitForDone(t, 1, 120000);
        const QString p = Scratch().path() + "/message.eml";
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(server.data.data(), static_cast<qint64>(server.data.size()));
        return p;
    }();
    return path;
}

void BM_MsmtpToServer(benchmark::State& state) {
    const QString message = MessageFile();
    mailtest::SmtpDaemon daemon(Scratch().path() + "/maildir-msmtp");
    if (!daemon.running()) {
        state.SkipWithError("aiosmtpd did not start");
        return;
    }
    for (auto _ : state) {
        QProcess msmtp;
        msmtp.setStandardInputFile(message);
        msmtp.start("msmtp", {"-C", "/dev/null", "--host=127.0.0.1", QString("--port=%1").arg(daemon.port()),
                              "--from=a@example.org", "--auth=off", "--tls=off", "t@example.org"});
        if (!msmtp.waitForFinished(120000) || msmtp.exitCode() != 0) {
            state.SkipWithError(("msmtp failed: " + msmtp.readAllStandardError()).constData());
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_MsmtpToServer)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
