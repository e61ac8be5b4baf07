#pragma once
// XText: writes the text form of DirectX .x files line by line, with the
// nesting of templates shown by indentation. Numbers are written with six
// decimals whatever the locale, so the files are the same on every machine.
#include <array>
#include <cstdint>
#include <glm/glm.hpp>
#include <initializer_list>
#include <string>

namespace decor {

class XText {
public:
    // "Name {" and one more level of indentation.
    void open(const std::string& header);
    void close();
    void line(const std::string& text);
    // "n;"
    void count(std::size_t n);
    // "x;y;z;," or, for the last element of a list, "x;y;z;;"
    void vector(glm::vec3 v, bool last);
    // "3;a,b,c;," or "3;a,b,c;;"
    void face(const std::array<std::uint32_t, 3>& corners, bool last);
    // The numbers joined by ";" (no trailing separator).
    static std::string numbers(std::initializer_list<float> values);
    static std::string number(float value);

    const std::string& text() const { return text_; }

private:
    std::string text_;
    int depth_ = 0;
};

} // namespace decor
