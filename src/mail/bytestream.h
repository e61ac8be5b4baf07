#pragma once
// ByteStream: the two-way byte pipe the mail dialogue talks through. The plain
// socket is one; a TLS layer over the socket is another, so the dialogue does not
// care which it has.
namespace mail {

class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Hands up to count bytes to the stream and returns how many it took. 0 means
    // nothing was taken: it would block (StreamError() is 0) or failed.
    virtual int SendBuffer(const char* data, int count) = 0;
    // Takes up to count received bytes; 0 when none are waiting or on failure.
    virtual int ReceiveBuffer(char* data, int count) = 0;
    // The error of the last call, as a Winsock error number; 0 = none.
    virtual int StreamError() const = 0;
};

} // namespace mail
