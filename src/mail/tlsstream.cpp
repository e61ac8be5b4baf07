#include "mail/tlsstream.h"

#include "mail/winsockerrors.h"

#include <algorithm>
#include <arpa/inet.h>
#include <filesystem>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

namespace mail {

namespace {

// Bytes taken from the transport or handed to OpenSSL at a time: one TLS record.
constexpr int kChunk = 16 * 1024;

bool IsAddress(const std::string& server) {
    in_addr v4{};
    in6_addr v6{};
    return inet_pton(AF_INET, server.c_str(), &v4) == 1 || inet_pton(AF_INET6, server.c_str(), &v6) == 1;
}

// The reason of OpenSSL's oldest queued error, and the queue emptied.
std::string TakeOpenSslReason() {
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    const char* reason = code != 0 ? ERR_reason_error_string(code) : nullptr;
    return reason ? reason : "connection closed during the handshake";
}

} // namespace

TTlsStream::TTlsStream(ByteStream& transport, std::string server, std::string trustFile)
    : transport_(transport), server_(std::move(server)), trustFile_(std::move(trustFile)) {}

TTlsStream::~TTlsStream() {
    SSL_free(ssl_); // frees both memory buffers with it
    SSL_CTX_free(context_);
}

bool TTlsStream::Start() {
    ERR_clear_error();
    context_ = SSL_CTX_new(TLS_client_method());
    if (context_ == nullptr) {
        failure_ = TakeOpenSslReason();
        return false;
    }
    SSL_CTX_set_min_proto_version(context_, TLS1_2_VERSION);
    // The system's trust store (SSL_CERT_FILE and SSL_CERT_DIR change where it is).
    SSL_CTX_set_default_verify_paths(context_);
    // The extra trust: a PEM file, or a folder of hashed certificates.
    const bool folder = !trustFile_.empty() && std::filesystem::is_directory(trustFile_);
    if (!trustFile_.empty() && SSL_CTX_load_verify_locations(context_, folder ? nullptr : trustFile_.c_str(),
                                                             folder ? trustFile_.c_str() : nullptr) != 1) {
        ERR_clear_error();
        failure_ = "the trust file " + trustFile_ + " cannot be read";
        return false;
    }
    SSL_CTX_set_verify(context_, SSL_VERIFY_PEER, nullptr);

    ssl_ = SSL_new(context_);
    if (ssl_ == nullptr) {
        failure_ = TakeOpenSslReason();
        return false;
    }
    // The certificate must name the server as the account names it.
    if (IsAddress(server_)) {
        X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl_), server_.c_str());
    } else {
        SSL_set_tlsext_host_name(ssl_, server_.c_str());
        SSL_set1_host(ssl_, server_.c_str());
    }
    incoming_ = BIO_new(BIO_s_mem());
    outgoing_ = BIO_new(BIO_s_mem());
    if (incoming_ == nullptr || outgoing_ == nullptr) {
        BIO_free(incoming_);
        BIO_free(outgoing_);
        incoming_ = outgoing_ = nullptr;
        failure_ = "out of memory";
        return false;
    }
    // An empty memory buffer means "nothing yet", not the end of the stream.
    BIO_set_mem_eof_return(incoming_, -1);
    SSL_set_bio(ssl_, incoming_, outgoing_);
    SSL_set_connect_state(ssl_);
    return true;
}

TTlsStream::Handshake TTlsStream::ContinueHandshake() {
    if (ssl_ == nullptr) {
        return Handshake::Failed;
    }
    for (;;) {
        ERR_clear_error();
        const int result = SSL_do_handshake(ssl_);
        PushOut();
        if (result == 1) {
            return Handshake::Done;
        }
        const int reason = SSL_get_error(ssl_, result);
        if (reason == SSL_ERROR_WANT_READ) {
            if (PullOnce()) {
                continue;
            }
            if (error_ != 0) {
                failure_ = "the connection failed during the handshake";
                return Handshake::Failed;
            }
            return Handshake::InProgress;
        }
        if (reason == SSL_ERROR_WANT_WRITE) {
            continue; // the memory buffer always takes more
        }
        NoteFailure();
        return Handshake::Failed;
    }
}

void TTlsStream::NoteFailure() {
    const long verify = SSL_get_verify_result(ssl_);
    if (verify != X509_V_OK) {
        certificateRejected_ = true;
        failure_ = X509_verify_cert_error_string(verify);
        ERR_clear_error();
    } else {
        failure_ = TakeOpenSslReason();
    }
}

bool TTlsStream::PullOnce() {
    char buffer[kChunk];
    const int received = transport_.ReceiveBuffer(buffer, sizeof buffer);
    error_ = transport_.StreamError();
    if (received <= 0) {
        return false;
    }
    BIO_write(incoming_, buffer, received);
    return true;
}

void TTlsStream::PushOut() {
    char buffer[kChunk];
    int got;
    while ((got = BIO_read(outgoing_, buffer, sizeof buffer)) > 0) {
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
    FlushPending();
}

bool TTlsStream::FlushPending() {
    while (pendingSent_ < pending_.size()) {
        const std::size_t left = pending_.size() - pendingSent_;
        const int sent = transport_.SendBuffer(pending_.data() + pendingSent_,
                                               static_cast<int>(std::min<std::size_t>(left, kChunk)));
        error_ = transport_.StreamError();
        if (sent <= 0) {
            return false; // would block (the transport says when it takes more) or failed
        }
        pendingSent_ += static_cast<std::size_t>(sent);
    }
    pending_.clear();
    pendingSent_ = 0;
    return true;
}

int TTlsStream::SendBuffer(const char* data, int count) {
    if (ssl_ == nullptr) {
        error_ = WSAENOTSOCK;
        return 0;
    }
    // Encrypted bytes of earlier calls go first; until they are out, take nothing.
    if (!FlushPending()) {
        return 0;
    }
    ERR_clear_error();
    const int written = SSL_write(ssl_, data, std::min(count, kChunk));
    if (written <= 0) {
        ERR_clear_error();
        error_ = WSAECONNABORTED;
        return 0;
    }
    PushOut();
    return written;
}

int TTlsStream::ReceiveBuffer(char* data, int count) {
    if (ssl_ == nullptr) {
        error_ = WSAENOTSOCK;
        return 0;
    }
    for (;;) {
        ERR_clear_error();
        const int got = SSL_read(ssl_, data, count);
        if (got > 0) {
            error_ = 0;
            PushOut();
            return got;
        }
        const int reason = SSL_get_error(ssl_, got);
        if (reason == SSL_ERROR_WANT_READ) {
            PushOut(); // a key update or ticket may want an answer
            if (PullOnce()) {
                continue;
            }
            return 0; // nothing more yet (error_ 0), or the transport failed
        }
        if (reason == SSL_ERROR_ZERO_RETURN) {
            // The server ended TLS: answer with our own close, which servers wait
            // for before they close the socket; reading the socket once more is
            // what lets it tell that close when it comes.
            SSL_shutdown(ssl_);
            ERR_clear_error();
            PushOut();
            PullOnce();
            error_ = 0;
            return 0;
        }
        ERR_clear_error();
        error_ = WSAECONNABORTED;
        return 0;
    }
}

std::string TTlsStream::ProtocolName() const {
    return ssl_ ? std::string(SSL_get_version(ssl_)) : std::string();
}

} // namespace mail
