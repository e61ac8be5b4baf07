#pragma once
// TTlsStream: TLS (OpenSSL) layered over another byte stream. OpenSSL talks to two
// memory buffers; this class moves the encrypted bytes between them and the
// transport whenever the caller asks, so it never blocks and is driven by the
// same socket notifications as the plain dialogue. The server's certificate is
// checked against the system's trust store (plus an optional CA file) and its
// name against the server's host name or address; there is no way to turn that
// off.
#include "mail/bytestream.h"

#include <memory>
#include <string>

typedef struct ssl_ctx_st SSL_CTX;
typedef struct ssl_st SSL;
typedef struct bio_st BIO;

namespace mail {

class TTlsStream : public ByteStream {
public:
    enum class Handshake { InProgress, Done, Failed };

    // server: the host name or dotted address the certificate must name;
    // trustFile: an extra PEM file of certificate authorities (may be empty).
    TTlsStream(ByteStream& transport, std::string server, std::string trustFile);
    ~TTlsStream() override;
    TTlsStream(const TTlsStream&) = delete;
    TTlsStream& operator=(const TTlsStream&) = delete;

    // Sets up the connection's TLS state; false (with FailureText) when that fails.
    bool Start();
    // Takes the handshake as far as the bytes received so far allow. Call again
    // whenever the transport has more to read (or room to write).
    Handshake ContinueHandshake();
    // After a failed handshake: whether the certificate was refused, and why.
    bool CertificateRejected() const { return certificateRejected_; }
    const std::string& FailureText() const { return failure_; }
    // The protocol agreed on ("TLSv1.3"); empty before the handshake.
    std::string ProtocolName() const;

    int SendBuffer(const char* data, int count) override;
    int ReceiveBuffer(char* data, int count) override;
    int StreamError() const override { return error_; }

    // Hands encrypted bytes still waiting to the transport; true when none wait.
    bool FlushPending();
    bool HasPending() const { return pendingSent_ < pending_.size(); }

private:
    bool PullOnce();
    void PushOut();
    void NoteFailure();

    ByteStream& transport_;
    std::string server_;
    std::string trustFile_;
    SSL_CTX* context_ = nullptr;
    SSL* ssl_ = nullptr;
    BIO* incoming_ = nullptr; // owned by ssl_
    BIO* outgoing_ = nullptr; // owned by ssl_
    std::string pending_;     // encrypted bytes the transport has not taken yet
    std::size_t pendingSent_ = 0;
    int error_ = 0;
    bool certificateRejected_ = false;
    std::string failure_;
};

} // namespace mail
