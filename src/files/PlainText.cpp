#include "files/PlainText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* Blanks = " \t\r\n";

} // namespace

std::string PlainText::trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::optional<long long> PlainText::wholeNumber(const std::string& text, long long low, long long high)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<double> PlainText::realNumber(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double PlainText::leadingReal(const std::string& text)
{
    const char* start = text.c_str();
    const char* end = start + text.size();
    while (start != end && std::strchr(" \t\n\v\f\r", *start))
        ++start;
    if (start != end && *start == '+' && start + 1 != end && start[1] != '-')
        ++start;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(start, end, value);
    return error == std::errc() ? value : 0.0;
}

std::string PlainText::real(double value)
{
    char text[64];
    const auto [stop, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, stop) : std::string("0");
}

namespace {

std::string escaped(const std::string& text, bool backslashes)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || (backslashes && byte == '\\')) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", byte);
            shown += code;
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace

std::string PlainText::printable(const std::string& text) { return escaped(text, true); }

std::string PlainText::safeLine(const std::string& text) { return escaped(text, false); }
