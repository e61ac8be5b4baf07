#include "scene/rm/xloaderparser.h"

#include "scene/rm/xinflate.h"
#include "scene/rm/xloader.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace rm::xfile {

namespace {

enum class Kind { End, Name, String, Number, Open, Close, Template, Error };

struct Token {
    Kind kind = Kind::End;
    std::string text; // names and strings
    double number = 0;
};

// Reads tokens of either encoding; separators (',' ';'), GUIDs and type
// keywords are dropped, as the data objects' meaning does not depend on them.
class Tokenizer {
public:
    Tokenizer(const std::string& data, std::size_t start, bool binary, bool doubles)
        : data_(data), at_(start), binary_(binary), doubles_(doubles) {}

    Token next() { return binary_ ? nextBinary() : nextText(); }
    const std::string& error() const { return error_; }

private:
    Token fail(const std::string& message) {
        if (error_.empty())
            error_ = message;
        return {Kind::Error, {}, 0};
    }

    std::size_t left() const { return data_.size() - at_; }

    // ---- text -------------------------------------------------------------
    static bool isBlank(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == ',' ||
               c == ';';
    }
    static bool endsName(char c) {
        return isBlank(c) || c == '{' || c == '}' || c == '"' || c == '<' || c == '\0';
    }

    Token nextText() {
        while (at_ < data_.size()) {
            const char c = data_[at_];
            if (isBlank(c) || c == '\0') {
                ++at_;
            } else if (c == '#' || (c == '/' && at_ + 1 < data_.size() && data_[at_ + 1] == '/')) {
                const std::size_t end = data_.find('\n', at_);
                at_ = end == std::string::npos ? data_.size() : end + 1;
            } else if (c == '<') {
                const std::size_t end = data_.find('>', at_);
                if (end == std::string::npos)
                    return fail("unterminated GUID");
                at_ = end + 1;
            } else {
                break;
            }
        }
        if (at_ >= data_.size())
            return {};
        const char c = data_[at_];
        if (c == '{') {
            ++at_;
            return {Kind::Open, {}, 0};
        }
        if (c == '}') {
            ++at_;
            return {Kind::Close, {}, 0};
        }
        if (c == '"') {
            const std::size_t end = data_.find('"', at_ + 1);
            if (end == std::string::npos)
                return fail("unterminated string");
            Token token{Kind::String, data_.substr(at_ + 1, end - at_ - 1), 0};
            at_ = end + 1;
            return token;
        }
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
            std::size_t end = at_;
            while (end < data_.size() && std::strchr("0123456789.eE+-", data_[end]) && data_[end] != '\0')
                ++end;
            const char* first = data_.data() + at_;
            if (*first == '+')
                ++first;
            double value = 0;
            const auto [stop, problem] = std::from_chars(first, data_.data() + end, value);
            if (problem != std::errc() || stop != data_.data() + end)
                return fail("'" + data_.substr(at_, std::min<std::size_t>(end - at_, 40)) +
                            "' is not a number");
            at_ = end;
            return {Kind::Number, {}, value};
        }
        std::size_t end = at_;
        while (end < data_.size() && !endsName(data_[end]))
            ++end;
        Token token{Kind::Name, data_.substr(at_, end - at_), 0};
        at_ = end;
        if (token.text == "template")
            token.kind = Kind::Template;
        return token;
    }

    // ---- binary -----------------------------------------------------------
    enum : std::uint16_t {
        TokName = 1,
        TokString = 2,
        TokInteger = 3,
        TokGuid = 5,
        TokIntegerList = 6,
        TokFloatList = 7,
        TokOpenBrace = 10,
        TokCloseBrace = 11,
        TokFirstPunctuation = 12, // ( ) [ ] < > . , ;
        TokLastPunctuation = 20,
        TokTemplate = 31,
        TokFirstKeyword = 40, // WORD DWORD FLOAT ... ARRAY
        TokLastKeyword = 53,
    };

    bool read(void* out, std::size_t size) {
        if (left() < size)
            return false;
        std::memcpy(out, data_.data() + at_, size);
        at_ += size;
        return true;
    }
    // Little-endian words, as the format stores them on every machine.
    bool readWord(std::uint16_t& value) {
        unsigned char b[2];
        if (!read(b, 2))
            return false;
        value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
        return true;
    }
    bool readDword(std::uint32_t& value) {
        unsigned char b[4];
        if (!read(b, 4))
            return false;
        value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        return true;
    }
    bool readReal(double& value) {
        if (doubles_) {
            std::uint64_t bits = 0;
            unsigned char b[8];
            if (!read(b, 8))
                return false;
            for (int i = 7; i >= 0; --i)
                bits = (bits << 8) | b[i];
            std::memcpy(&value, &bits, 8);
        } else {
            std::uint32_t bits = 0;
            if (!readDword(bits))
                return false;
            float f;
            std::memcpy(&f, &bits, 4);
            value = f;
        }
        return true;
    }

    Token nextBinary() {
        while (true) {
            if (listLeft_ > 0) {
                --listLeft_;
                Token token{Kind::Number, {}, 0};
                if (listIsFloat_) {
                    readReal(token.number); // the count was checked against the bytes left
                } else {
                    std::uint32_t value = 0;
                    readDword(value);
                    token.number = value;
                }
                return token;
            }
            if (left() == 0)
                return {};
            std::uint16_t id = 0;
            if (!readWord(id))
                return fail("truncated token");
            switch (id) {
            case TokName:
            case TokString: {
                std::uint32_t length = 0;
                if (!readDword(length) || length > left())
                    return fail("name or string longer than the file");
                Token token{id == TokName ? Kind::Name : Kind::String, data_.substr(at_, length), 0};
                at_ += length;
                if (id == TokString) {
                    std::uint16_t terminator = 0;
                    if (!readWord(terminator))
                        return fail("truncated string");
                }
                return token;
            }
            case TokInteger: {
                std::uint32_t value = 0;
                if (!readDword(value))
                    return fail("truncated integer");
                return {Kind::Number, {}, static_cast<double>(value)};
            }
            case TokGuid:
                if (left() < 16)
                    return fail("truncated GUID");
                at_ += 16;
                break;
            case TokIntegerList:
            case TokFloatList: {
                std::uint32_t count = 0;
                if (!readDword(count))
                    return fail("truncated list");
                const std::size_t size = id == TokIntegerList || !doubles_ ? 4 : 8;
                if (count > left() / size)
                    return fail("a list of " + std::to_string(count) + " values in a file that holds fewer");
                listLeft_ = count;
                listIsFloat_ = id == TokFloatList;
                break;
            }
            case TokOpenBrace:
                return {Kind::Open, {}, 0};
            case TokCloseBrace:
                return {Kind::Close, {}, 0};
            case TokTemplate:
                return {Kind::Template, {}, 0};
            default:
                if ((id >= TokFirstPunctuation && id <= TokLastPunctuation) ||
                    (id >= TokFirstKeyword && id <= TokLastKeyword))
                    break; // separators and type keywords carry nothing here
                return fail("unknown binary token " + std::to_string(id));
            }
        }
    }

    const std::string& data_;
    std::size_t at_;
    bool binary_;
    bool doubles_;
    std::uint32_t listLeft_ = 0;
    bool listIsFloat_ = false;
    std::string error_;
};

class Parser {
public:
    explicit Parser(Tokenizer& tokens) : tokens_(tokens) {}

    bool file(std::vector<Object>& objects) {
        while (true) {
            Token token = tokens_.next();
            switch (token.kind) {
            case Kind::End:
                return true;
            case Kind::Template:
                if (!skipTemplate())
                    return false;
                break;
            case Kind::Name: {
                Object object;
                object.type = std::move(token.text);
                if (!objectBody(object, 1))
                    return false;
                objects.push_back(std::move(object));
                break;
            }
            case Kind::Error:
                return false;
            default:
                return fail("data outside any object");
            }
        }
    }

    std::string error() const { return tokens_.error().empty() ? error_ : tokens_.error(); }

private:
    bool fail(const std::string& message) {
        if (error_.empty())
            error_ = message;
        return false;
    }

    // After "template": its name, then everything up to the matching brace.
    bool skipTemplate() {
        int depth = 0;
        while (true) {
            const Token token = tokens_.next();
            if (token.kind == Kind::End || token.kind == Kind::Error)
                return fail("unterminated template");
            if (token.kind == Kind::Open)
                ++depth;
            else if (token.kind == Kind::Close && --depth <= 0)
                return true;
        }
    }

    // After the type name: an optional name, then "{ ... }".
    bool objectBody(Object& object, int depth) {
        if (depth > MaxDepth)
            return fail("objects nested more than " + std::to_string(MaxDepth) + " deep");
        Token token = tokens_.next();
        if (token.kind == Kind::Name) {
            object.name = std::move(token.text);
            token = tokens_.next();
        }
        if (token.kind != Kind::Open)
            return token.kind == Kind::Error ? false : fail("'{' expected after " + object.type);
        while (true) {
            token = tokens_.next();
            switch (token.kind) {
            case Kind::Number:
                object.numbers.push_back(token.number);
                break;
            case Kind::String:
                object.strings.push_back(std::move(token.text));
                break;
            case Kind::Name: {
                Object child;
                child.type = std::move(token.text);
                if (!objectBody(child, depth + 1))
                    return false;
                object.children.push_back(std::move(child));
                break;
            }
            case Kind::Open: {
                Object reference;
                reference.isReference = true;
                if (!referenceBody(reference))
                    return false;
                object.children.push_back(std::move(reference));
                break;
            }
            case Kind::Close:
                return true;
            case Kind::Template:
                return fail("template inside an object");
            case Kind::End:
                return fail("the file ends inside " + object.type);
            case Kind::Error:
                return false;
            }
        }
    }

    // After '{' inside an object: a name up to '}'.
    bool referenceBody(Object& reference) {
        while (true) {
            Token token = tokens_.next();
            if (token.kind == Kind::Close)
                return true;
            if (token.kind == Kind::Name && reference.name.empty())
                reference.name = std::move(token.text);
            else if (token.kind != Kind::Name)
                return token.kind == Kind::Error ? false : fail("bad reference");
        }
    }

    Tokenizer& tokens_;
    std::string error_;
};

} // namespace

bool parse(const std::string& data, std::vector<Object>& objects, std::string& error) {
    objects.clear();
    // "xof 0302txt 0032": magic, version, encoding, size of reals in bits.
    if (data.size() < 16 || data.compare(0, 4, "xof ") != 0) {
        error = "not a .x file (no \"xof \" header)";
        return false;
    }
    std::string encoding = data.substr(8, 4);
    const std::string realBits = data.substr(12, 4);
    // A compressed file is read as the text or binary file it holds.
    std::string inflated;
    const std::string* text = &data;
    if (encoding == "tzip" || encoding == "bzip") {
        if (!inflateXBody(data, MaxXFileSize, inflated, error)) {
            return false;
        }
        inflated.insert(0, data, 0, 16);
        encoding = encoding == "tzip" ? "txt " : "bin ";
        text = &inflated;
    }
    if (encoding != "txt " && encoding != "bin ") {
        error = "unknown .x encoding '" + encoding + "'";
        return false;
    }
    if (realBits != "0032" && realBits != "0064") {
        error = "unknown size of reals '" + realBits + "'";
        return false;
    }
    Tokenizer tokens(*text, 16, encoding == "bin ", realBits == "0064");
    Parser parser(tokens);
    if (!parser.file(objects)) {
        error = parser.error();
        objects.clear();
        return false;
    }
    return true;
}

} // namespace rm::xfile
