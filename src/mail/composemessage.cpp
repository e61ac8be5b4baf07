// The message SendMail sends after DATA: headers, a text part, attachments in
// base64, quoted-printable, text lines or uuencode, and the closing "." line.
#include "mail/base64.h"
#include "mail/encodedword.h"
#include "mail/sendmail.h"
#include "mail/uuencode.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace mail {

namespace {

constexpr char kBoundary[] = "==============ghyurgtfy573======___";
constexpr char kQuote = '"';

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenFile(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    struct stat info {};
    // A folder opens on Linux but can't be read as a file.
    if (file && (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))) {
        file.reset();
    }
    return file;
}

std::string FilePart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Opens an attachment's file; an attachment without a name of its own is
// called by its file's name.
File OpenAttachment(const std::string& path, std::string& name) {
    File file = OpenFile(path);
    if (file && name.empty()) {
        name = FilePart(path);
    }
    return file;
}

// Header parameter texts from a caller's descriptor lose any control bytes.
std::string HeaderToken(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 32 && c != 127) {
            out += c;
        }
    }
    return out;
}

std::string Quoted(const std::string& value) {
    return kQuote + QuoteParameter(value) + kQuote;
}

} // namespace

void SendMail::ComposeMessage() {
    boundary_ = kBoundary;
    std::string body;
    for (const std::string& line : MailText) {
        body += line;
        body += "\r\n";
    }
    bodyNeedsQP_ = false;
    body8bit_ = false;
    for (const char c : body) {
        const auto byte = static_cast<unsigned char>(c);
        bodyNeedsQP_ = bodyNeedsQP_ || (byte != '\r' && byte != '\n' && (byte < 32 || byte > 126));
        body8bit_ = body8bit_ || byte >= 128;
    }
    const std::string charset = std::string("Content-Type: text/plain; charset=") + kQuote +
                                (body8bit_ ? "utf-8" : "us-ascii") + kQuote;
    const bool multipart = !Attachments.empty();

    inMessageText_ = true;
    atLineStart_ = true;
    std::string address;
    std::string name;
    SendHeader("From: " + EncodeWord(FROM_Name) + " <" + FROM_Address + ">");
    for (const std::string& entry : ListTo) {
        SplitRecipient(entry, address, name);
        SendHeader(name.empty() ? "To: " + address + ";" : "To: " + EncodeWord(name) + " <" + address + ">");
    }
    for (const std::string& entry : Listcc) {
        SplitRecipient(entry, address, name);
        SendHeader(name.empty() ? "cc: " + address : "cc: " + EncodeWord(name) + " <" + address + ">");
    }
    if (!Subject.empty()) {
        SendHeader(EncodeHeader("Subject: " + Subject));
    }
    SendLine("Mime-Version: 1.0");
    if (!multipart) {
        SendLine(charset);
        if (bodyNeedsQP_) {
            SendLine("Content-Transfer-Encoding: quoted-printable");
        }
    } else {
        SendLine(std::string("Content-Type: multipart/mixed; boundary=") + kQuote + boundary_ + kQuote);
    }
    for (const std::string& header : Headers) {
        SendHeader(EncodeHeader(header));
    }
    SendLine("");

    if (multipart && !MailText.empty()) {
        SendLine("--" + boundary_);
        SendLine(charset);
        if (bodyNeedsQP_) {
            SendLine("Content-Transfer-Encoding: quoted-printable");
        }
        SendLine("");
    }

    // Text the caller feeds in, sent as it comes.
    std::size_t fedTotal = 0;
    while (OnFeedData && !cancelled_) {
        std::string fed;
        OnFeedData(*this, fed);
        if (fed.empty()) {
            break;
        }
        fedTotal += fed.size();
        Info(SendMailInfo::BodyProgress, std::to_string(fedTotal));
        SendText(fed);
    }

    if (!MailText.empty()) {
        Info(SendMailInfo::BodyStart, std::to_string(body.size()));
        qp_.Reset();
        constexpr std::size_t kSlice = 2048;
        for (std::size_t done = 0; done < body.size();) {
            const std::size_t n = std::min(kSlice, body.size() - done);
            if (n == kSlice && cancelled_) {
                return;
            }
            if (bodyNeedsQP_) {
                EncodeQP(body.data() + done, n);
            } else {
                SendBlock(body.data() + done, n);
            }
            done += n;
            Info(SendMailInfo::BodyProgress, std::to_string(done));
        }
        SendLine("");
    }

    if (multipart) {
        SendAttachments();
        if (cancelled_) {
            return;
        }
        SendLine("--" + boundary_ + "--");
        SendLine("");
    }
    if (cancelled_) {
        return;
    }
    // The end of the data is the one line that is never dot-stuffed.
    inMessageText_ = false;
    SendLine(".");
}

void SendMail::SendAttachments() {
    for (std::size_t i = 0; i < Attachments.size(); ++i) {
        if (cancelled_) {
            return;
        }
        TAttachmentInfo* info = i < attachmentInfo_.size() ? attachmentInfo_[i].get() : nullptr;
        if (!info) {
            if (!SendBase64File(Attachments[i], {}, "attachment", {}, "application/octet-stream")) {
                Info(SendMailInfo::AttachmentSkipped, Attachments[i]);
            }
            continue;
        }
        if (info->Encoding == AttachmentEncoding::Automatic) {
            info->Encoding = ChooseEncoding(info->FileName);
        }
        if (info->ContentType.empty()) {
            info->ContentType = "application/octet-stream";
        }
        if (info->Disposition.empty()) {
            info->Disposition = "attachment";
        }
        bool sent = false;
        switch (info->Encoding) {
        case AttachmentEncoding::Base64:
        case AttachmentEncoding::Automatic:
            sent = SendBase64File(info->FileName, info->Name, info->Disposition, info->Description,
                                  info->ContentType);
            break;
        case AttachmentEncoding::QuotedPrintable:
            sent = SendQPFile(info->FileName, info->Name, info->Disposition, info->Description,
                              info->ContentType);
            break;
        case AttachmentEncoding::TextLines:
            sent = SendTextFile(info->FileName, info->Name, info->Disposition, info->Description,
                                info->ContentType);
            break;
        case AttachmentEncoding::UUEncode:
            sent = SendUUFile(info->FileName, info->Name, info->Disposition, info->Description);
            break;
        }
        if (!sent) {
            Info(SendMailInfo::AttachmentSkipped, info->FileName);
        }
    }
}

void SendMail::SendPartHeaders(const std::string& contentType, const std::string& name,
                               const char* transferEncoding, const std::string& disposition,
                               const std::string& filename, const std::string& description) {
    SendLine("--" + boundary_);
    SendLine("Content-Type: " + HeaderToken(contentType) + "; name=" + Quoted(name));
    if (transferEncoding) {
        SendLine(std::string("Content-Transfer-Encoding: ") + transferEncoding);
    }
    if (!disposition.empty()) {
        SendLine("Content-Disposition: " + HeaderToken(disposition) + "; filename=" + Quoted(filename));
    }
    if (!description.empty()) {
        SendHeader("Content-Description: " + EncodeWord(description));
    }
    SendLine("");
}

bool SendMail::SendTextFile(const std::string& path, std::string name, const std::string& disposition,
                            const std::string& description, std::string contentType) {
    Info(SendMailInfo::AttachmentStart, path);
    File file = OpenAttachment(path, name);
    if (!file) {
        return false;
    }
    if (contentType.empty()) {
        contentType = "text/plain";
    }
    SendPartHeaders(contentType, name, nullptr, disposition, FilePart(path), description);
    // Lines end at CR, LF or CR LF, as a text reader sees them.
    std::string line;
    bool pendingCR = false;
    bool lineOpen = false;
    char buffer[2048];
    while (!cancelled_) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n == 0) {
            break;
        }
        for (std::size_t i = 0; i < n && !cancelled_; ++i) {
            const char c = buffer[i];
            if (c == '\n' && pendingCR) {
                pendingCR = false;
                continue;
            }
            pendingCR = c == '\r';
            if (c == '\r' || c == '\n') {
                SendLine(line);
                line.clear();
                lineOpen = false;
            } else {
                line += c;
                lineOpen = true;
            }
        }
    }
    if (lineOpen && !cancelled_) {
        SendLine(line);
    }
    return true;
}

bool SendMail::SendQPFile(const std::string& path, std::string name, const std::string& disposition,
                          const std::string& description, std::string contentType) {
    Info(SendMailInfo::AttachmentStart, path);
    File file = OpenAttachment(path, name);
    if (!file) {
        return false;
    }
    if (contentType.empty()) {
        contentType = "text/plain";
    }
    SendPartHeaders(contentType, name, "Quoted-Printable", disposition, FilePart(path), description);
    qp_.Reset();
    char buffer[2048];
    while (!cancelled_) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n == 0) {
            break;
        }
        EncodeQP(buffer, n);
    }
    SendLine("");
    return true;
}

void SendMail::EncodeQP(const char* data, std::size_t count) {
    std::string encoded;
    qp_.Encode(data, count, encoded);
    SendBlock(encoded.data(), encoded.size());
}

bool SendMail::SendBase64File(const std::string& path, std::string name, const std::string& disposition,
                              const std::string& description, const std::string& contentType) {
    Info(SendMailInfo::AttachmentStart, path);
    File file = OpenAttachment(path, name);
    if (!file) {
        return false;
    }
    SendPartHeaders(contentType, name, "base64", disposition, FilePart(path), description);
    struct stat info {};
    fstat(fileno(file.get()), &info);
    Info(SendMailInfo::Base64Start, std::to_string(info.st_size));

    // Whole blocks of 40 lines, then the rest; every full line reports progress.
    constexpr std::size_t kBlock = 40 * kBase64LineBytes;
    char buffer[kBlock];
    std::string encoded;
    long long count = 0;
    while (!cancelled_) {
        const std::size_t n = std::fread(buffer, 1, kBlock, file.get());
        encoded.clear();
        Base64Encode(buffer, n, encoded);
        std::size_t at = 0;
        for (; at + kBase64LineChars <= encoded.size(); at += kBase64LineChars) {
            if (cancelled_) {
                return true;
            }
            SendLine(std::string_view(encoded).substr(at, kBase64LineChars));
            count += static_cast<long long>(kBase64LineBytes);
            Info(SendMailInfo::Base64Progress, std::to_string(count));
        }
        if (n < kBlock) {
            if (at < encoded.size()) {
                SendLine(std::string_view(encoded).substr(at));
            }
            Info(SendMailInfo::Base64Progress, std::to_string(count + 3));
            break;
        }
    }
    return true;
}

bool SendMail::SendUUFile(const std::string& path, std::string name, const std::string& disposition,
                          const std::string& description) {
    Info(SendMailInfo::AttachmentStart, path);
    File file = OpenAttachment(path, name);
    if (!file) {
        return false;
    }
    std::string baseName = name.substr(0, name.rfind('.')) + ".uue";
    SendPartHeaders("application/octet-stream", baseName, nullptr, disposition, baseName, description);
    SendLine(std::string(61, '='));
    SendLine("begin 666 " + HeaderToken(name));
    constexpr std::size_t kBlock = 40 * kUULineBytes;
    char buffer[kBlock];
    std::string encoded;
    while (!cancelled_) {
        const std::size_t n = std::fread(buffer, 1, kBlock, file.get());
        if (n == 0) {
            break;
        }
        encoded.clear();
        EncodeUU(buffer, n, encoded);
        SendBlock(encoded.data(), encoded.size());
    }
    SendLine("");
    SendLine("end");
    return true;
}

} // namespace mail
