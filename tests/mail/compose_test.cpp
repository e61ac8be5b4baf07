// The message text SendMail composes, as the server receives it.
#include "mail/base64.h"
#include "mail/uuencode.h"
#include "scriptedserver.h"

#include <QDir>
#include <fstream>
#include <gtest/gtest.h>

using mail::AttachmentEncoding;
using mail::SendMail;
using mail::SendMailInfo;
using mail::TAttachmentInfo;
using mail::TMailAction;
using mailtest::ScriptedSmtpServer;
using mailtest::Transcript;

namespace {

const std::string kBoundary = "==============ghyurgtfy573======___";

// Sends the mail to a scripted server and returns the message text it received.
std::string send(SendMail& mail, Transcript& t) {
    ScriptedSmtpServer server;
    t.attach(mail);
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = server.port();
    if (mail.FROM_Address.empty()) {
        mail.FROM_Address = "a@example.org";
    }
    if (mail.DateHeader.empty()) {
        mail.DateHeader = "Mon, 07 Dec 2026 10:00:00 +0100";
    }
    if (mail.MessageId.empty()) {
        mail.MessageId = "<id@example.org>";
    }
    mail.SetAction(TMailAction::Send_Mail);
    EXPECT_TRUE(mailtest::waitForDone(t));
    EXPECT_TRUE(t.errors.empty());
    EXPECT_TRUE(server.dataEnded);
    return server.data;
}

std::string writeFile(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string bytes(std::size_t n, int seed = 1) {
    std::string out(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<char>((i * 31 + static_cast<std::size_t>(seed)) & 0xFF);
    }
    return out;
}

} // namespace

TEST(ComposeMessage, PlainMailIsOneTextPart) {
    SendMail mail;
    Transcript t;
    mail.FROM_Name = "Ann Smith";
    mail.TO_Address = "tom@example.org";
    mail.TO_Name = "Tom";
    mail.ListTo = {"tina@example.org"};
    mail.Listcc = {"carl@example.org|Carl", "cora@example.org"};
    mail.ListBcc = {"hidden@example.org"};
    mail.Subject = "Season's greetings";
    mail.Headers = {"X-Mailer: Pinewick"};
    mail.MailText = {"Hello,", "a tree for you."};
    const std::string data = send(mail, t);
    EXPECT_EQ(data, "Date: Mon, 07 Dec 2026 10:00:00 +0100\r\n"
                    "From: Ann Smith <a@example.org>\r\n"
                    "To: Tom <tom@example.org>, tina@example.org\r\n"
                    "Cc: Carl <carl@example.org>, cora@example.org\r\n"
                    "Subject: Season's greetings\r\n"
                    "Message-ID: <id@example.org>\r\n"
                    "MIME-Version: 1.0\r\n"
                    "Content-Type: text/plain; charset=\"us-ascii\"\r\n"
                    "X-Mailer: Pinewick  \r\n"
                    "\r\n"
                    "Hello,\r\n"
                    "a tree for you.\r\n"
                    "\r\n");
    EXPECT_EQ(t.infosOf(SendMailInfo::BodyStart), std::vector<std::string>{"25"});
}

TEST(ComposeMessage, EightBitTextsAreUtf8AndNothingBreaksAHeaderLine) {
    SendMail mail;
    Transcript t;
    mail.FROM_Name = "Jürgen";
    mail.TO_Address = "t@example.org";
    mail.Subject = "Frohe Weihnachten!\r\nBcc: victim@example.org";
    mail.MailText = {"Schöne Grüße\tund mehr"};
    const std::string data = send(mail, t);
    EXPECT_EQ(data, "Date: Mon, 07 Dec 2026 10:00:00 +0100\r\n"
                    "From: =?UTF-8?Q?J=C3=BCrgen?= <a@example.org>\r\n"
                    "To: t@example.org\r\n"
                    "Subject: =?UTF-8?Q?Frohe_Weihnachten!=0D=0ABcc:_victim@example.?=\r\n"
                    " =?UTF-8?Q?org?=\r\n"
                    "Message-ID: <id@example.org>\r\n"
                    "MIME-Version: 1.0\r\n"
                    "Content-Type: text/plain; charset=\"utf-8\"\r\n"
                    "Content-Transfer-Encoding: quoted-printable\r\n"
                    "\r\n"
                    "Sch=C3=B6ne=20Gr=C3=BC=C3=9Fe=09und=20mehr=0D=0A\r\n");
}

TEST(ComposeMessage, SevenBitBodyWithATabIsQuotedPrintableUsAscii) {
    SendMail mail;
    Transcript t;
    mail.TO_Address = "t@example.org";
    mail.MailText = {"a\tb"};
    const std::string data = send(mail, t);
    EXPECT_NE(data.find("From: a@example.org\r\n"), std::string::npos); // no name: the address alone
    EXPECT_NE(
        data.find(
            "charset=\"us-ascii\"\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\na=09b=0D=0A\r\n"),
        std::string::npos);
}

TEST(ComposeMessage, BodyGoesOutInSlicesOf2048) {
    SendMail mail;
    Transcript t;
    mail.TO_Address = "t@example.org";
    mail.MailText = {std::string(2046, 'b')}; // with CR LF exactly 2048 bytes
    send(mail, t);
    EXPECT_EQ(t.infosOf(SendMailInfo::BodyProgress), std::vector<std::string>{"2048"});

    SendMail longer;
    Transcript t2;
    longer.TO_Address = "t@example.org";
    longer.MailText = {std::string(5000, 'b')};
    send(longer, t2);
    EXPECT_EQ(t2.infosOf(SendMailInfo::BodyProgress), (std::vector<std::string>{"2048", "4096", "5002"}));
}

TEST(ComposeMessage, AttachmentWithoutDescriptorIsBase64InLinesOf76) {
    // 40 whole lines in the first block, then one more full line and one byte.
    const std::string content = bytes(2280 + 57 + 1);
    const std::string path = writeFile("Pinewick.jpg", content);
    SendMail mail;
    Transcript t;
    mail.FROM_Name = "Ann";
    mail.TO_Address = "t@example.org";
    mail.TO_Name = "t@example.org";
    mail.Subject = "Greeting";
    mail.Attachments = {path};
    const std::string data = send(mail, t);

    std::string expected = "Date: Mon, 07 Dec 2026 10:00:00 +0100\r\n"
                           "From: Ann <a@example.org>\r\n"
                           "To: t@example.org\r\n"
                           "Subject: Greeting\r\n"
                           "Message-ID: <id@example.org>\r\n"
                           "MIME-Version: 1.0\r\n"
                           "Content-Type: multipart/mixed; boundary=\"" +
                           kBoundary +
                           "\"\r\n"
                           "\r\n"
                           "--" +
                           kBoundary +
                           "\r\n"
                           "Content-Type: application/octet-stream; name=\"Pinewick.jpg\"\r\n"
                           "Content-Transfer-Encoding: base64\r\n"
                           "Content-Disposition: attachment; filename=\"Pinewick.jpg\"\r\n"
                           "\r\n";
    const std::string encoded = mail::Base64Encode(content);
    for (std::size_t at = 0; at < encoded.size(); at += 76) {
        expected += encoded.substr(at, 76) + "\r\n";
    }
    expected += "--" + kBoundary + "--\r\n\r\n";
    EXPECT_EQ(data, expected);

    std::vector<std::string> progress;
    for (int line = 1; line <= 41; ++line) {
        progress.push_back(std::to_string(line * 57));
    }
    progress.push_back(std::to_string(41 * 57 + 3));
    EXPECT_EQ(t.infosOf(SendMailInfo::Base64Progress), progress);
    EXPECT_EQ(t.infosOf(SendMailInfo::Base64Start), std::vector<std::string>{std::to_string(content.size())});
    EXPECT_EQ(t.infosOf(SendMailInfo::AttachmentStart), std::vector<std::string>{path});
}

TEST(ComposeMessage, Base64EdgeSizes) {
    struct Case {
        std::size_t size;
        std::vector<std::size_t> lineLengths;
    };
    for (const Case& c :
         std::vector<Case>{{0, {}}, {1, {4}}, {57, {76}}, {2280, std::vector<std::size_t>(40, 76)}}) {
        const std::string path = writeFile("edge.bin", bytes(c.size, 7));
        SendMail mail;
        Transcript t;
        mail.TO_Address = "t@example.org";
        mail.Attachments = {path};
        const std::string data = send(mail, t);
        const std::size_t start = data.find("filename=\"edge.bin\"\r\n\r\n") + 23;
        const std::size_t end = data.find("--" + kBoundary + "--");
        std::vector<std::size_t> lengths;
        for (std::size_t at = start; at < end;) {
            const std::size_t eol = data.find("\r\n", at);
            lengths.push_back(eol - at);
            at = eol + 2;
        }
        EXPECT_EQ(lengths, c.lineLengths) << c.size;
        if (c.size == 1) {
            EXPECT_EQ(data.substr(start, 4), "Bw==");
        }
    }
}

TEST(ComposeMessage, DescribedAttachmentsInEachEncoding) {
    const std::string text = writeFile("notes.txt", "first line\r\n.hidden dot\nthird");
    const std::string qp = writeFile("menu.txt", "Gl\xc3\xbchwein = 3\xe2\x82\xac\n" + std::string(80, 'x'));
    const std::string uu = writeFile("tree.v1.bin", bytes(46));
    SendMail mail;
    Transcript t;
    mail.TO_Address = "t@example.org";
    mail.MailText = {"See attached."};
    mail.Attachments = {text, qp, uu, "/nonexistent/file.bin"};
    mail.SetAttachmentInfo(1, {"", AttachmentEncoding::TextLines, "", "inline", "Notes", text});
    mail.SetAttachmentInfo(2,
                           {"Menu", AttachmentEncoding::Automatic, "text/plain; charset=utf-8", "", "", qp});
    mail.SetAttachmentInfo(3, {"", AttachmentEncoding::UUEncode, "", "", "", uu});
    const std::string data = send(mail, t);

    const std::string b = "--" + kBoundary + "\r\n";
    const std::string expectedText =
        b + "Content-Type: text/plain; charset=\"us-ascii\"\r\n\r\nSee attached.\r\n\r\n" + b +
        "Content-Type: application/octet-stream; name=\"notes.txt\"\r\n"
        "Content-Disposition: inline; filename=\"notes.txt\"\r\n"
        "Content-Description: Notes\r\n"
        "\r\n"
        "first line\r\n..hidden dot\r\nthird\r\n" +
        b +
        "Content-Type: text/plain; charset=utf-8; name=\"Menu\"\r\n"
        "Content-Transfer-Encoding: Quoted-Printable\r\n"
        "Content-Disposition: attachment; filename=\"menu.txt\"\r\n"
        "\r\n"
        "Gl=C3=BChwein=20=3D=203=E2=82=AC=0A" +
        std::string(36, 'x') + "=\r\n" + std::string(44, 'x') + "\r\n" + b +
        "Content-Type: application/octet-stream; name=\"tree.v1.uue\"\r\n"
        "Content-Disposition: attachment; filename=\"tree.v1.uue\"\r\n"
        "\r\n" +
        std::string(61, '=') + "\r\nbegin 666 tree.v1.bin\r\n";
    ASSERT_EQ(data.substr(data.find(b), expectedText.size()), expectedText);
    std::string uuLines;
    const std::string content = bytes(46);
    mail::EncodeUU(content.data(), content.size(), uuLines);
    EXPECT_NE(data.find("begin 666 tree.v1.bin\r\n" + uuLines + "\r\nend\r\n--" + kBoundary + "--\r\n\r\n"),
              std::string::npos);
    // The missing file is skipped and leaves no part behind.
    EXPECT_EQ(t.infosOf(SendMailInfo::AttachmentSkipped), std::vector<std::string>{"/nonexistent/file.bin"});
    EXPECT_EQ(data.find("file.bin"), std::string::npos);
    // The automatic choice was stored back.
    EXPECT_EQ(mail.AttachmentInfo(2)->Encoding, AttachmentEncoding::QuotedPrintable);
    EXPECT_EQ(mail.AttachmentInfo(3)->ContentType, "application/octet-stream");
}

TEST(ComposeMessage, FedTextComesBeforeTheFirstBoundaryWithoutBody) {
    const std::string path = writeFile("x.bin", "abc");
    SendMail mail;
    Transcript t;
    mail.TO_Address = "t@example.org";
    mail.Attachments = {path};
    int calls = 0;
    mail.OnFeedData = [&](SendMail&, std::string& data) {
        data = calls++ < 2 ? "fed\r\n" : "";
    };
    const std::string data = send(mail, t);
    EXPECT_NE(data.find("\r\n\r\nfed\r\nfed\r\n--" + kBoundary + "\r\n"), std::string::npos);
    EXPECT_EQ(t.infosOf(SendMailInfo::BodyProgress), (std::vector<std::string>{"5", "10"}));
}

// An HTML text makes the mail an alternative of text and HTML; attachments
// with a Content-ID go inside the HTML's related part, the others around it.
TEST(ComposeMessage, HtmlWithInlinePicturesAndAttachments) {
    const std::string alternative = "==============ghyurgtfy573======_A_";
    const std::string related = "==============ghyurgtfy573======_R_";
    const std::string picture = writeFile("Pinewick.jpg", bytes(100, 3));
    const std::string other = writeFile("notes.bin", bytes(10, 4));
    struct Case {
        std::vector<std::string> attachments;
        std::vector<std::string> wantInOrder;
    };
    const std::string inlineHeaders = "Content-Type: image/jpeg; name=\"Pinewick.jpg\"\r\n"
                                      "Content-Transfer-Encoding: base64\r\n"
                                      "Content-Disposition: inline; filename=\"Pinewick.jpg\"\r\n"
                                      "Content-ID: <card.1@example.org>\r\n\r\n";
    const Case cases[] = {
        {{picture},
         {"MIME-Version: 1.0\r\nContent-Type: multipart/alternative;\r\n boundary=\"" + alternative +
              "\"\r\n\r\n",
          "--" + alternative +
              "\r\nContent-Type: text/plain; charset=\"utf-8\"\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n\r\n",
          "Gr=C3=BC=C3=9Fe\r\n\r\n",
          "--" + alternative + "\r\nContent-Type: multipart/related; type=\"text/html\";\r\n boundary=\"" +
              related + "\"\r\n\r\n--" + related + "\r\nContent-Type: text/html; charset=\"us-ascii\"\r\n",
          "\r\n\r\n<img=20src=3D\"cid:card.1@example.org\">\r\n\r\n--" + related + "\r\n" + inlineHeaders,
          "--" + related + "--\r\n--" + alternative + "--\r\n.\r\n"}},
        {{picture, other},
         {"Content-Type: multipart/mixed; boundary=\"" + kBoundary + "\"\r\n\r\n--" + kBoundary +
              "\r\nContent-Type: multipart/alternative;\r\n boundary=\"" + alternative + "\"\r\n\r\n",
          "--" + related + "\r\n" + inlineHeaders, "--" + alternative + "--\r\n--" + kBoundary + "\r\n",
          "name=\"notes.bin\"", "--" + kBoundary + "--\r\n\r\n.\r\n"}},
    };
    for (const Case& c : cases) {
        SendMail mail;
        Transcript t;
        mail.TO_Address = "t@example.org";
        mail.MailText = {"Grüße"};
        mail.HtmlText = {"<img src=\"cid:card.1@example.org\">"};
        mail.Attachments = c.attachments;
        mail.SetAttachmentInfo(
            1, {"", AttachmentEncoding::Base64, "image/jpeg", "inline", "", picture, "card.1@example.org"});
        const std::string data = send(mail, t) + ".\r\n";
        std::size_t at = 0;
        for (const std::string& want : c.wantInOrder) {
            const std::size_t found = data.find(want, at);
            ASSERT_NE(found, std::string::npos) << "missing in order: " << want << "\n" << data;
            at = found + want.size();
        }
    }
}
