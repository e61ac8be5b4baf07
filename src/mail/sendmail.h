#pragma once
// SendMail: delivers one mail per request to an SMTP server, driven entirely by
// the socket's notifications on the GUI thread. The caller fills the properties,
// sets Action to Send_Mail and learns the outcome through OnMailInfo, OnMailError
// and OnDone (always last, always from the event queue).
#include "mail/mailtypes.h"
#include "mail/quotedprintable.h"
#include "mail/replyreader.h"
#include "mail/smtpsecurity.h"
#include "mail/starsocket.h"

#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

class TTlsStream;

class SendMail : public TStarSocket {
    Q_OBJECT
public:
    explicit SendMail(QObject* parent = nullptr);
    ~SendMail() override;

    // The mail server: a dotted IPv4 address, or else a host name to look up.
    void SetSMTP_Server(const std::string& server);
    const std::string& SMTP_Server() const { return Server; }

    std::string FROM_Name;
    std::string FROM_Address;
    std::string TO_Name;
    std::string TO_Address;
    std::string Subject; // no Subject header when empty
    uint16_t SMTP_Port = 25;
    // Encryption and login. The default asks for neither and keeps the plain
    // dialogue (HELO); anything else gets EHLO, TLS and the login before MAIL FROM,
    // and ends with an error rather than going on unencrypted. Security.Password
    // is the password to log in with; it is never reported.
    SmtpSecurity Security;

    // Send_Mail starts a request, Cancel_SendMail cancels the running one.
    void SetAction(TMailAction action);
    TMailAction Action() const { return TMailAction::None; }

    // Recipient entries hold an address, optionally followed by "|" and a name.
    std::vector<std::string> MailText;
    std::vector<std::string> Listcc;
    std::vector<std::string> ListBcc; // RCPT only, never in a header
    std::vector<std::string> ListTo;
    std::vector<std::string> Attachments; // file paths, in order
    std::vector<std::string> Headers;     // extra header lines ("Name: value")
    // An HTML version of MailText. When it has lines the message offers both;
    // attachments whose descriptor has a ContentID are shown inside the HTML.
    std::vector<std::string> HtmlText;
    // The Date and Message-ID values; empty = the time of sending and a new id.
    std::string DateHeader;
    std::string MessageId;
    // A message composed before (ComposeReadyMessage): when set, it goes out
    // after DATA as it stands, instead of one composed from the properties
    // above. Only the envelope (FROM_Address, TO_Address and the lists) counts.
    std::string ReadyMessage;

    // The message the properties describe, as the bytes that would follow DATA
    // (CR LF lines, not dot-stuffed, without the final "." line). Needs no
    // connection; a request may be running meanwhile only on another SendMail.
    std::string ComposeReadyMessage();

    // After a mail, accepted or with every recipient refused, keep the
    // connection for the next request, which starts with RSET (and connects
    // anew when the server has closed the connection meanwhile).
    bool KeepConnectionOpen = false;
    // Seconds a whole reply may take to arrive, counted from the command it
    // answers (or the last bytes the server took); 0 = no limit.
    int TimeOutReply = 120;
    // Milliseconds the answer to QUIT is waited for once the mail is accepted.
    int TimeOutQuitMs = 5000;
    // The most lines one reply may have.
    static constexpr int kMaxReplyLines = 1000;

    const std::string& Version() const { return version_; }
    void SetVersion(const std::string&) {} // read-only

    // Optional descriptors of attachments, by position in Attachments (1 to 256).
    void SetAttachmentInfo(int position, const TAttachmentInfo& info);
    const TAttachmentInfo* AttachmentInfo(int position) const;

    bool Busy() const { return busy_; }
    // Ends a kept connection between requests: QUIT, then the socket closes.
    // No request runs, so no event follows.
    void CloseKeptConnection();
    SendMailError LastMailError() const { return lastError_; }

    // Cuts an entry at its first "|" into address and display name.
    static void SplitRecipient(const std::string& entry, std::string& address, std::string& name);

    std::function<void(SendMail& sender, SendMailInfo info, const std::string& addinfo)> OnMailInfo;
    std::function<void(SendMail& sender, SendMailError error, const std::string& addinfo)> OnMailError;
    // Asked again and again for more body text until it leaves data empty.
    std::function<void(SendMail& sender, std::string& data)> OnFeedData;
    std::function<void(SendMail& sender)> OnDone;

    // The message number of the done message.
    static constexpr int kDoneMessage = 1026;

protected:
    void HostResolved() override;
    // The byte stream the dialogue talks through: the socket itself, or a layer
    // over it (such as TLS) that the owner puts in between.
    void SetStream(ByteStream* stream) { stream_ = stream ? stream : this; }

private:
    // Where the dialogue stands: each value names the reply it waits for.
    enum Step : int {
        kGreeting = 0,   // the server's greeting
        kHelo = 1,       // the answer to HELO
        kMailFrom = 2,   // the answer to MAIL FROM
        kRecipients = 3, // the answer to a RCPT (the last one's is followed by DATA)
        kDataSent = 4,   // passing: DATA has just been sent
        kData = 5,       // 354, the go-ahead for the message text
        kEndOfData = 6,  // the answer to the "." line
        kQuit = 7,       // QUIT and after: nothing more to do
        kReset = 8,      // the answer to RSET on a kept connection
        kIdle = 9,       // a kept connection between requests: nothing is waited for
        // The encrypted and logged-in part, between the greeting and MAIL FROM.
        kEhlo = 20,              // the answer to EHLO: the server's extensions
        kStartTls = 21,          // the answer to STARTTLS
        kTlsHandshake = 22,      // TLS being set up: no reply lines until it is
        kAuthPlain = 23,         // the answer to AUTH PLAIN with the credentials
        kAuthLoginUser = 24,     // 334, asking for the user name
        kAuthLoginPassword = 25, // 334, asking for the password
        kAuthLoginDone = 26,     // the answer to the password
    };

    // The name we greet the server with: the machine's fully qualified name,
    // or else the address literal of our end of the connection (heloname.cpp).
    std::string HeloName();
    // Whether an address of this mail needs SMTPUTF8 (a local part beyond ASCII).
    bool NeedsSmtpUtf8() const;

    // Request lifecycle (sendmail.cpp).
    void StartRequest();
    void OpenConnection();
    bool ReconnectAfterDrop();
    void KeepIdle();
    std::string AddressesProblem() const;
    bool CheckSocketError();
    void Abort();
    void EndRequest();
    void DoneMessage(int message);
    void ConnectedHandler();
    void DisconnectHandler();
    void TimeOutHandler();
    void TouchReplyTimer();
    void ProtocolError(const std::string& what);
    void FinishAccepted();

    // Senders (sendmail.cpp).
    void SendLine(std::string_view text);
    void SendCommand(std::string_view text);
    void SendHeader(std::string_view text);
    void SendText(std::string_view text);
    void SendBlock(const char* data, std::size_t count);
    void Queue(std::string_view data);
    void Flush();
    void Info(SendMailInfo info, const std::string& addinfo = {});
    void Error(SendMailError error, const std::string& text);

    // The dialogue (smtpdialogue.cpp).
    void Reader();
    void HandleReply(const std::string& line);
    void ActOnReply(const std::string& line);
    void StartRecipientWalk();
    void AdvanceRecipientList();
    void NextRecipient();
    std::vector<std::string>& RecipientList(int number);

    // Encryption and login (smtpsecure.cpp).
    void SendEhlo();
    void NoteExtension(const std::string& line);
    bool HasExtension(const std::string& keyword) const;
    void AfterEhlo();
    void StartTls();
    bool ContinueHandshake();
    void SendLogin();
    void SendMailFrom();
    void SecureRefusal(const std::string& line);
    void SecureFailure(SendMailError error, const std::string& detail);
    void WriteReady();
    bool Encrypted() const;
    void SendSecretLine(std::string_view line, std::string_view shown);

    // The message (composemessage.cpp).
    void SendMessageText();
    void ComposeMessage();
    void SendFedText();
    void SendBody(const std::string& body, bool quotedPrintable);
    void SendTextLines(const std::string& text);
    void SendAttachments(const std::vector<std::size_t>& positions);
    bool SendTextFile(const std::string& path, std::string name, const std::string& disposition,
                      const std::string& description, std::string contentType);
    bool SendQPFile(const std::string& path, std::string name, const std::string& disposition,
                    const std::string& description, std::string contentType);
    bool SendBase64File(const std::string& path, std::string name, const std::string& disposition,
                        const std::string& description, const std::string& contentType);
    bool SendUUFile(const std::string& path, std::string name, const std::string& disposition,
                    const std::string& description);
    void SendPartHeaders(const std::string& contentType, const std::string& name,
                         const char* transferEncoding, const std::string& disposition,
                         const std::string& filename, const std::string& description);
    void EncodeQP(const char* data, std::size_t count);

    int step_ = kGreeting;
    TReplyReader replies_;
    int replyLines_ = 0;         // lines of the reply being read
    int acceptedRecipients_ = 0; // RCPTs the server said yes to
    std::string lastRefusal_;    // the server's last refusal of a recipient
    bool busy_ = false;
    bool cancelled_ = false;
    bool inReply_ = false;
    bool mailSent_ = false;
    bool reconnected_ = false;       // this request has connected anew after a drop once
    std::string* capture_ = nullptr; // where composed text goes instead of the socket
    SendMailError lastError_ = SendMailError::None;

    // Recipient walk: list 1 = ListTo, 2 = Listcc, 3 = ListBcc, 4 = all done.
    int recipientList_ = 1;
    int recipientIndex_ = -1;
    int recipientLast_ = -1;
    std::array<int, 3> skip_{}; // entries at a list's front already used as the first recipient
    std::string currentRecipient_;

    // Composition state.
    std::string boundary_;
    bool bodyNeedsQP_ = false;
    bool body8bit_ = false;
    QuotedPrintableEncoder qp_;
    std::array<std::unique_ptr<TAttachmentInfo>, 256> attachmentInfo_;
    std::string partContentId_; // of the attachment being sent

    // Outgoing bytes not yet taken by the socket, and the dot transparency of the
    // message text: a line that starts with "." gets another one in front.
    std::string outgoing_;
    std::size_t outgoingSent_ = 0;
    bool inMessageText_ = false;
    bool atLineStart_ = true;

    ByteStream* stream_ = this;
    std::unique_ptr<TTlsStream> tls_;
    // Extensions the server named in its last EHLO answer (keyword lines, upper case).
    std::vector<std::string> extensions_;
    QTimer replyTimer_;
    const std::string version_ = "SendMail 1.3.9";
};

} // namespace mail
