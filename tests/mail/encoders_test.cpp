// The encoders of mail texts, byte for byte.
#include "mail/base64.h"
#include "mail/encodedword.h"
#include "mail/mailtypes.h"
#include "mail/quotedprintable.h"
#include "mail/uuencode.h"
#include "mail/winsockerrors.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

using namespace mail;

TEST(Base64, GroupsAndPadding) {
    EXPECT_EQ(Base64Encode(std::string("")), "");
    EXPECT_EQ(Base64Encode(std::string("\x01")), "AQ==");
    EXPECT_EQ(Base64Encode(std::string("ab")), "YWI=");
    EXPECT_EQ(Base64Encode(std::string("abc")), "YWJj");
    EXPECT_EQ(Base64Encode(std::string("\xff\xfe\xfd\x00", 4)), "//79AA==");
    EXPECT_EQ(Base64Encode(std::string(57, 'x')).size(), kBase64LineChars);
}

TEST(QuotedPrintable, EscapesControlsEqualsAndHighBytes) {
    QuotedPrintableEncoder qp;
    std::string out;
    const std::string in = "a=b\tc d\r\n\x7f\xc3\xa9~!";
    qp.Encode(in.data(), in.size(), out);
    EXPECT_EQ(out, "a=3Db=09c=20d=0D=0A=7F=C3=A9~!");
}

TEST(QuotedPrintable, SoftBreakAfterColumn70CarriesAcrossBlocks) {
    QuotedPrintableEncoder qp;
    std::string out;
    const std::string first(70, 'x');
    qp.Encode(first.data(), first.size(), out);
    EXPECT_EQ(out, first); // exactly 70 columns: no break yet
    qp.Encode("y", 1, out);
    EXPECT_EQ(out, first + "y=\r\n");
    EXPECT_EQ(qp.Column(), 0);
    // An escape that passes column 70 breaks after it, never inside it.
    out.clear();
    const std::string second(69, 'z');
    qp.Encode(second.data(), second.size(), out);
    qp.Encode("=", 1, out);
    qp.Encode("k", 1, out);
    EXPECT_EQ(out, second + "=3D=\r\nk");
    EXPECT_EQ(qp.Column(), 1);
}

TEST(UUEncode, LineLengthsAndBlankPadding) {
    std::string out;
    EncodeUU(std::string(45, '\0').data(), 45, out);
    EXPECT_EQ(out, "M" + std::string(60, ' ') + "\r\n");

    out.clear();
    std::string data(46, 'A');
    EncodeUU(data.data(), data.size(), out);
    const std::size_t secondLine = out.find("\r\n") + 2;
    EXPECT_EQ(out.substr(0, 1), "M");
    // One byte left: length "!" (33) and one group padded with blanks: "A  " -> 0x41 0x20 0x20.
    EXPECT_EQ(out.substr(secondLine), "!02 @\r\n");

    out.clear();
    EncodeUU("Cat", 3, out);
    EXPECT_EQ(out, "#0V%T\r\n");
    out.clear();
    EncodeUU("", 0, out);
    EXPECT_EQ(out, "");
}

TEST(EncodedWord, PlainTextStaysAndOtherTextBecomesUtf8QWords) {
    EXPECT_EQ(EncodeWord("Plain text, with (punctuation)!"), "Plain text, with (punctuation)!");
    EXPECT_EQ(EncodeWord(""), "");
    EXPECT_EQ(EncodeWord("Fröhliche Weihnachten"), "=?UTF-8?Q?Fr=C3=B6hliche_Weihnachten?=");
    EXPECT_EQ(EncodeWord("a=b?c_d"), "a=b?c_d"); // plain stays plain
    EXPECT_EQ(EncodeWord("é=?_"), "=?UTF-8?Q?=C3=A9=3D=3F=5F?=");
    // A line break can't pass into a header: the text is encoded instead.
    EXPECT_EQ(EncodeWord("Hi\r\nBcc: x@y"), "=?UTF-8?Q?Hi=0D=0ABcc:_x@y?=");
}

TEST(EncodedWord, LongTextFoldsIntoWordsOfAtMost75BetweenCharacters) {
    std::string value;
    for (int i = 0; i < 40; ++i) {
        value += "ё"; // two bytes, six characters encoded
    }
    const std::string encoded = EncodeWord(value);
    std::size_t start = 0;
    std::string decoded;
    int words = 0;
    while (start <= encoded.size()) {
        std::size_t end = encoded.find("\r\n ", start);
        const std::string word =
            encoded.substr(start, end == std::string::npos ? std::string::npos : end - start);
        ++words;
        EXPECT_LE(word.size(), kMaxEncodedWord);
        ASSERT_EQ(word.rfind("=?UTF-8?Q?", 0), 0u);
        ASSERT_EQ(word.substr(word.size() - 2), "?=");
        const std::string payload = word.substr(10, word.size() - 12);
        EXPECT_EQ(payload.size() % 6, 0u) << "a character was split: " << word;
        decoded += payload;
        if (end == std::string::npos) {
            break;
        }
        start = end + 3;
    }
    EXPECT_GT(words, 1);
    EXPECT_EQ(decoded.size(), 40u * 6);
}

TEST(EncodeHeader, ValueEncodedAndTwoBlanksAppended) {
    EXPECT_EQ(EncodeHeader("Subject: Hello"), "Subject: Hello  ");
    EXPECT_EQ(EncodeHeader("Subject: Grüße aus"), "Subject: =?UTF-8?Q?Gr=C3=BC=C3=9Fe_aus?=  ");
    EXPECT_EQ(EncodeHeader("NoSeparator"), "NoSeparator");
    // Control bytes never reach the wire raw, wherever they stand.
    EXPECT_EQ(EncodeHeader("X\r\nBcc: a: b"), "X  Bcc: a: b  ");
    EXPECT_EQ(EncodeHeader("Bad\r\nline"), "Bad  line");
    // At most 999 characters of the value are taken.
    EXPECT_EQ(EncodeHeader("X: " + std::string(1200, 'v')), "X: " + std::string(999, 'v') + "  ");
}

TEST(QuoteParameter, QuotesAndBackslashesCannotCloseTheValue) {
    EXPECT_EQ(QuoteParameter("Pinewick.jpg"), "Pinewick.jpg");
    EXPECT_EQ(QuoteParameter("a\"b.txt"), "=?UTF-8?Q?a=22b.txt?=");
    EXPECT_EQ(QuoteParameter("ёлка.jpg"), "=?UTF-8?Q?=D1=91=D0=BB=D0=BA=D0=B0.jpg?=");
}

TEST(MailErrors, SocketErrorsMapOntoTheTableOfTexts) {
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(ECONNREFUSED)).code,
              SendMailError::ConnectionRefused);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(ETIMEDOUT)).code, SendMailError::TimedOut);
    EXPECT_STREQ(MailErrorFromWinsock(WinsockErrorFromErrno(ETIMEDOUT)).text, "timeout");
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(ENETUNREACH)).code,
              SendMailError::NetworkUnreachable);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(EHOSTUNREACH)).code, SendMailError::HostUnreachable);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(ECONNRESET)).code, SendMailError::ConnectionReset);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(EPIPE)).code, SendMailError::ConnectionReset);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(EADDRNOTAVAIL)).code,
              SendMailError::AddressNotAvailable);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(EMFILE)).code, SendMailError::OutOfSockets);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(EINVAL)).code, SendMailError::InternalError);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(EACCES)).code, SendMailError::InvalidAddress);
    EXPECT_EQ(WinsockErrorFromErrno(EAGAIN), WSAEWOULDBLOCK);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromErrno(ENOSPC)).code, SendMailError::UnknownError);
    EXPECT_EQ(MailErrorFromWinsock(WinsockErrorFromLookup(QHostInfo::HostNotFound)).code,
              SendMailError::AddressResolution);
}

TEST(ChooseEncoding, TextLinesOnlyWhenNothingWouldBeLost) {
    const std::string dir = ::testing::TempDir();
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(dir + name, std::ios::binary) << bytes;
        return dir + name;
    };
    EXPECT_EQ(ChooseEncoding(write("plain.txt", "line one\r\nline two\n")), AttachmentEncoding::TextLines);
    EXPECT_EQ(ChooseEncoding(write("long.txt", std::string(300, 'x'))), AttachmentEncoding::QuotedPrintable);
    EXPECT_EQ(ChooseEncoding(write("nul.txt", std::string("a\0b", 3))), AttachmentEncoding::QuotedPrintable);
    // Mostly plain text with a few 8-bit characters: quoted-printable is shorter.
    EXPECT_EQ(ChooseEncoding(write("mostly.txt", "Gr\xc3\xbc\xc3\x9f"
                                                 "e " +
                                                     std::string(200, 'a'))),
              AttachmentEncoding::QuotedPrintable);
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>(i * 7);
    }
    EXPECT_EQ(ChooseEncoding(write("binary.bin", binary)), AttachmentEncoding::Base64);
    EXPECT_EQ(ChooseEncoding(dir + "missing.bin"), AttachmentEncoding::Base64);
}
