#include "decor/xtext.h"

#include <charconv>
#include <cmath>

namespace decor {

void XText::open(const std::string& header) {
    line(header + " {");
    ++depth_;
}

void XText::close() {
    --depth_;
    line("}");
}

void XText::line(const std::string& text) {
    text_.append(static_cast<std::size_t>(depth_), ' ');
    text_ += text;
    text_ += '\n';
}

void XText::count(std::size_t n) {
    line(std::to_string(n) + ";");
}

void XText::vector(glm::vec3 v, bool last) {
    line(numbers({v.x, v.y, v.z}) + (last ? ";;" : ";,"));
}

void XText::face(const std::array<std::uint32_t, 3>& corners, bool last) {
    line("3;" + std::to_string(corners[0]) + "," + std::to_string(corners[1]) + "," +
         std::to_string(corners[2]) + (last ? ";;" : ";,"));
}

std::string XText::number(float value) {
    // Round first so that -0.0000001 does not come out as "-0.000000".
    double rounded = std::round(static_cast<double>(value) * 1e6) / 1e6;
    if (rounded == 0.0) {
        rounded = 0.0;
    }
    char buffer[48];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

std::string XText::numbers(std::initializer_list<float> values) {
    std::string out;
    for (float v : values) {
        if (!out.empty()) {
            out += ';';
        }
        out += number(v);
    }
    return out;
}

} // namespace decor
