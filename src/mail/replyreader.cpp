#include "mail/replyreader.h"

#include <cstring>

namespace mail {

void TReplyReader::Append(std::string_view bytes) {
    if (fault_ != Fault::None) {
        return;
    }
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    if (nul != nullptr) {
        bytes = bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
        fault_ = Fault::NulByte;
    }
    // What was taken already goes before the buffer grows.
    if (start_ > 0 && start_ >= buffer_.size() / 2) {
        buffer_.erase(0, start_);
        scanFrom_ -= start_;
        start_ = 0;
    }
    buffer_.append(bytes);
}

bool TReplyReader::NextLine(std::string& line) {
    if (fault_ == Fault::LineTooLong) {
        return false;
    }
    const std::size_t end = buffer_.find("\r\n", scanFrom_);
    if (end == std::string::npos) {
        // A CR at the very end may be the first half of the line end.
        scanFrom_ = std::max(start_, buffer_.empty() ? 0 : buffer_.size() - 1);
        if (buffer_.size() - start_ > kMaxReplyLine + 1) {
            fault_ = Fault::LineTooLong;
        }
        return false;
    }
    if (end - start_ > kMaxReplyLine) {
        fault_ = Fault::LineTooLong;
        return false;
    }
    line.assign(buffer_, start_, end - start_);
    start_ = end + 2;
    scanFrom_ = start_;
    return true;
}

TReplyReader::Fault TReplyReader::PendingFault() const {
    if (fault_ == Fault::NulByte && buffer_.find("\r\n", scanFrom_) != std::string::npos) {
        return Fault::None; // complete lines before the NUL are still to be taken
    }
    return fault_;
}

void TReplyReader::Clear() {
    buffer_.clear();
    start_ = 0;
    scanFrom_ = 0;
    fault_ = Fault::None;
}

std::string TReplyReader::LineProblem(std::string_view line) {
    const auto digit = [&](std::size_t i, char low, char high) {
        return line.size() > i && line[i] >= low && line[i] <= high;
    };
    if (!digit(0, '2', '5') || !digit(1, '0', '9') || !digit(2, '0', '9')) {
        return "a reply without a reply code";
    }
    if (line.size() > 3 && line[3] != ' ' && line[3] != '-') {
        return "a reply code not followed by a space";
    }
    return {};
}

const char* TReplyReader::FaultText(Fault fault) {
    switch (fault) {
    case Fault::LineTooLong:
        return "a reply line longer than 4096 bytes";
    case Fault::NulByte:
        return "a NUL byte in a reply";
    case Fault::None:
        break;
    }
    return "";
}

} // namespace mail
