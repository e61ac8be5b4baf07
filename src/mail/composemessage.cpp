// The message SendMail sends after DATA: headers, a text part, attachments in
// base64, quoted-printable, text lines or uuencode, and the closing "." line.
#include "mail/base64.h"
#include "mail/encodedword.h"
#include "mail/headerfields.h"
#include "mail/sendmail.h"
#include "mail/uuencode.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace mail {

namespace {

constexpr char kBoundary[] = "==============ghyurgtfy573======___";
// The boundaries of the parts inside it: neither is the start of another.
constexpr char kAlternativeBoundary[] = "==============ghyurgtfy573======_A_";
constexpr char kRelatedBoundary[] = "==============ghyurgtfy573======_R_";
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

std::string SendMail::ComposeReadyMessage() {
    std::string message;
    // The headers name the first recipient as a request would: in front of To.
    const std::vector<std::string> listTo = ListTo;
    if (!TO_Address.empty()) {
        ListTo.insert(ListTo.begin(), TO_Address + "|" + TO_Name);
    }
    const bool cancelled = cancelled_;
    const bool inMessageText = inMessageText_;
    cancelled_ = false;
    capture_ = &message;
    ComposeMessage();
    capture_ = nullptr;
    cancelled_ = cancelled;
    inMessageText_ = inMessageText;
    ListTo = listTo;
    return message;
}

// After the server's go-ahead: the message, made now or before, and the end line.
void SendMail::SendMessageText() {
    if (ReadyMessage.empty()) {
        ComposeMessage();
    } else {
        inMessageText_ = true;
        atLineStart_ = true;
        Info(SendMailInfo::BodyStart, std::to_string(ReadyMessage.size()));
        SendText(ReadyMessage);
        if (!ReadyMessage.ends_with("\r\n")) {
            SendText("\r\n");
        }
        Info(SendMailInfo::BodyProgress, std::to_string(ReadyMessage.size()));
    }
    if (cancelled_) {
        return;
    }
    // The end of the data is the one line that is never dot-stuffed.
    inMessageText_ = false;
    SendLine(".");
}

void SendMail::ComposeMessage() {
    std::string body;
    for (const std::string& line : MailText) {
        body += line;
        body += "\r\n";
    }
    std::string html;
    for (const std::string& line : HtmlText) {
        html += line;
        html += "\r\n";
    }
    bodyNeedsQP_ = false;
    body8bit_ = false;
    bool html8bit = false;
    for (const char c : body) {
        const auto byte = static_cast<unsigned char>(c);
        bodyNeedsQP_ = bodyNeedsQP_ || (byte != '\r' && byte != '\n' && (byte < 32 || byte > 126));
        body8bit_ = body8bit_ || byte >= 128;
    }
    for (const char c : html) {
        html8bit = html8bit || static_cast<unsigned char>(c) >= 128;
    }
    const auto textType = [](const char* type, bool utf8) {
        return std::string("Content-Type: ") + type + "; charset=" + kQuote + (utf8 ? "utf-8" : "us-ascii") +
               kQuote;
    };
    const std::string charset = textType("text/plain", body8bit_);

    // An HTML text makes the message an alternative of the plain text and the
    // HTML; attachments with a Content-ID are then shown inside the HTML, the
    // others follow as attachments of a mixed message around it.
    const bool alternative = !html.empty();
    std::vector<std::size_t> shownInline;
    std::vector<std::size_t> attached;
    for (std::size_t i = 0; i < Attachments.size(); ++i) {
        const TAttachmentInfo* info = i < attachmentInfo_.size() ? attachmentInfo_[i].get() : nullptr;
        (alternative && info && !info->ContentID.empty() ? shownInline : attached).push_back(i);
    }
    const bool mixed = !attached.empty();

    inMessageText_ = true;
    atLineStart_ = true;
    SendHeader("Date: " + (DateHeader.empty() ? MailDate(QDateTime::currentDateTime()) : DateHeader));
    SendHeader(AddressHeader("From", {FormatMailbox(FROM_Name, FROM_Address)}));
    std::string address;
    std::string name;
    std::vector<std::string> mailboxes;
    for (const std::string& entry : ListTo) {
        SplitRecipient(entry, address, name);
        mailboxes.push_back(FormatMailbox(name, address));
    }
    if (!mailboxes.empty()) {
        SendHeader(AddressHeader("To", mailboxes));
    }
    mailboxes.clear();
    for (const std::string& entry : Listcc) {
        SplitRecipient(entry, address, name);
        mailboxes.push_back(FormatMailbox(name, address));
    }
    if (!mailboxes.empty()) {
        SendHeader(AddressHeader("Cc", mailboxes));
    }
    if (!Subject.empty()) {
        SendHeader(UnstructuredHeader("Subject", Subject));
    }
    SendHeader("Message-ID: " + (MessageId.empty() ? MakeMessageId(FROM_Address, HeloName()) : MessageId));
    SendLine("MIME-Version: 1.0");
    if (mixed) {
        SendLine(std::string("Content-Type: multipart/mixed; boundary=") + kQuote + kBoundary + kQuote);
    } else if (alternative) {
        SendHeader(std::string("Content-Type: multipart/alternative;\r\n boundary=") + kQuote +
                   kAlternativeBoundary + kQuote);
    } else {
        SendLine(charset);
        if (bodyNeedsQP_) {
            SendLine("Content-Transfer-Encoding: quoted-printable");
        }
    }
    for (const std::string& header : Headers) {
        SendHeader(EncodeHeader(header));
    }
    SendLine("");

    if (alternative) {
        if (mixed) {
            SendLine(std::string("--") + kBoundary);
            SendHeader(std::string("Content-Type: multipart/alternative;\r\n boundary=") + kQuote +
                       kAlternativeBoundary + kQuote);
            SendLine("");
        }
        SendLine(std::string("--") + kAlternativeBoundary);
        SendLine(charset);
        SendLine("Content-Transfer-Encoding: quoted-printable");
        SendLine("");
        SendFedText();
        SendTextLines(body);
        if (cancelled_) {
            return;
        }
        SendLine(std::string("--") + kAlternativeBoundary);
        if (!shownInline.empty()) {
            SendHeader(std::string("Content-Type: multipart/related; type=\"text/html\";\r\n boundary=") +
                       kQuote + kRelatedBoundary + kQuote);
            SendLine("");
            SendLine(std::string("--") + kRelatedBoundary);
        }
        SendLine(textType("text/html", html8bit));
        SendLine("Content-Transfer-Encoding: quoted-printable");
        SendLine("");
        SendTextLines(html);
        if (!shownInline.empty()) {
            boundary_ = kRelatedBoundary;
            SendAttachments(shownInline);
            if (cancelled_) {
                return;
            }
            SendLine(std::string("--") + kRelatedBoundary + "--");
        }
        SendLine(std::string("--") + kAlternativeBoundary + "--");
    } else {
        if (mixed && !MailText.empty()) {
            SendLine(std::string("--") + kBoundary);
            SendLine(charset);
            if (bodyNeedsQP_) {
                SendLine("Content-Transfer-Encoding: quoted-printable");
            }
            SendLine("");
        }
        SendFedText();
        if (!MailText.empty()) {
            SendBody(body, bodyNeedsQP_);
        }
    }
    if (cancelled_) {
        return;
    }

    if (mixed) {
        boundary_ = kBoundary;
        SendAttachments(attached);
        if (cancelled_) {
            return;
        }
        SendLine(std::string("--") + kBoundary + "--");
        SendLine("");
    }
}

// Text the caller feeds in, sent as it comes.
void SendMail::SendFedText() {
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
}

// A text in slices, as it is or quoted-printable, then an empty line.
void SendMail::SendBody(const std::string& body, bool quotedPrintable) {
    Info(SendMailInfo::BodyStart, std::to_string(body.size()));
    qp_.Reset();
    constexpr std::size_t kSlice = 2048;
    for (std::size_t done = 0; done < body.size();) {
        const std::size_t n = std::min(kSlice, body.size() - done);
        if (n == kSlice && cancelled_) {
            return;
        }
        if (quotedPrintable) {
            EncodeQP(body.data() + done, n);
        } else {
            SendBlock(body.data() + done, n);
        }
        done += n;
        Info(SendMailInfo::BodyProgress, std::to_string(done));
    }
    SendLine("");
}

// A text of CR LF lines, quoted-printable line by line: the line breaks stay
// real line breaks, as readers of text and HTML parts expect them.
void SendMail::SendTextLines(const std::string& text) {
    Info(SendMailInfo::BodyStart, std::to_string(text.size()));
    std::string encoded;
    for (std::size_t start = 0; start < text.size() && !cancelled_;) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        encoded.clear();
        qp_.Reset();
        qp_.Encode(text.data() + start, end - start, encoded);
        encoded += "\r\n";
        SendText(encoded);
        start = end + 2;
    }
    Info(SendMailInfo::BodyProgress, std::to_string(text.size()));
    SendLine(""); // the line break before the next boundary belongs to it
}

void SendMail::SendAttachments(const std::vector<std::size_t>& positions) {
    for (const std::size_t i : positions) {
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
        partContentId_ = info->ContentID;
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
        partContentId_.clear();
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
    if (!partContentId_.empty()) {
        SendLine("Content-ID: <" + HeaderToken(partContentId_) + ">");
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
