#pragma once
// TReplyReader: cuts the bytes a mail server sends into reply lines, each ended
// by CR LF, and judges them before anyone acts on them. A line may be at most
// kMaxReplyLine bytes long and hold no NUL byte; a reply must start with a
// three-digit code. Every byte is looked at once, however the bytes arrive, so a
// server that never ends its line costs neither time nor memory beyond the limit.
#include <cstddef>
#include <string>
#include <string_view>

namespace mail {

class TReplyReader {
public:
    // Far more than the 512 bytes a server may send in one line, far less than
    // what would hurt.
    static constexpr std::size_t kMaxReplyLine = 4096;

    enum class Fault {
        None,
        LineTooLong, // a line (ended or not) passed kMaxReplyLine
        NulByte,     // a NUL byte arrived
    };

    // Adds received bytes. Lines complete before a fault can still be taken.
    void Append(std::string_view bytes);
    // Takes the next complete line (without CR LF); false when there is none.
    bool NextLine(std::string& line);
    // The fault that stops reading, once every line before it has been taken.
    Fault PendingFault() const;
    // Forgets everything received (such as plain text after the answer to STARTTLS).
    void Clear();

    // Empty when the line reads as a reply line: three digits, the first 2 to 5,
    // then nothing, a space or a "-"; otherwise what is wrong with it.
    static std::string LineProblem(std::string_view line);
    static const char* FaultText(Fault fault);

private:
    std::string buffer_;
    std::size_t start_ = 0;    // where the next line starts
    std::size_t scanFrom_ = 0; // where the search for CR LF goes on
    Fault fault_ = Fault::None;
};

} // namespace mail
