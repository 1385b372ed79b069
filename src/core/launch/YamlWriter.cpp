#include "core/launch/YamlWriter.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velkarn {

namespace {

// YAML 1.1 readers take U+0085, U+2028 and U+2029 as line breaks, even inside quotes.
struct UnicodeBreak {
    std::string_view bytes;
    const char* escape;
};
constexpr std::array<UnicodeBreak, 3> UnicodeBreaks{
    {{"\xc2\x85", "\\u0085"}, {"\xe2\x80\xa8", "\\u2028"}, {"\xe2\x80\xa9", "\\u2029"}}};

const UnicodeBreak* unicodeBreakAt(std::string_view text) {
    for (const UnicodeBreak& each : UnicodeBreaks)
        if (text.starts_with(each.bytes))
            return &each;
    return nullptr;
}

bool hasUnicodeBreak(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (unicodeBreakAt(text.substr(i)))
            return true;
    return false;
}

// Lines a literal block gives back as they are: printable, the first not starting with a blank
// (which would set the block's indentation) and the last not empty (a final line end is kept,
// more are not).
bool fitsLiteralBlock(const Lines& lines) {
    if (lines.empty() || lines.front().starts_with(' ') || lines.back().empty())
        return false;
    return std::none_of(lines.begin(), lines.end(), [](const std::string& line) {
        return hasControlCharacter(line) || hasUnicodeBreak(line);
    });
}

} // namespace

std::string yamlString(std::string_view text, const std::string& what) {
    if (!isUtf8(text))
        throw UserMessage("The " + what + " " + printableText(text) +
                          " is not UTF-8 text, which a Kubernetes manifest cannot carry.");
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (const UnicodeBreak* lineBreak = unicodeBreakAt(text.substr(i))) {
            quoted += lineBreak->escape;
            i += lineBreak->bytes.size() - 1;
        } else if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (isControlCharacter(c)) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void YamlWriter::line(std::string_view content) {
    const int depth = itemPending_ ? depth_ - 1 : depth_;
    text_ += std::string(static_cast<std::size_t>(depth) * 2, ' ');
    if (itemPending_)
        text_ += "- ";
    itemPending_ = false;
    text_ += content;
    text_ += '\n';
}

YamlWriter& YamlWriter::field(std::string_view key, std::string_view value) {
    line(std::string(key) + ": " + std::string(value));
    return *this;
}

YamlWriter& YamlWriter::text(std::string_view key, std::string_view value,
                             const std::string& what) {
    return field(key, yamlString(value, what));
}

YamlWriter& YamlWriter::number(std::string_view key, long long value) {
    return field(key, std::to_string(value));
}

YamlWriter& YamlWriter::begin(std::string_view key) {
    line(std::string(key) + ":");
    ++depth_;
    return *this;
}

YamlWriter& YamlWriter::item() {
    ++depth_;
    itemPending_ = true;
    return *this;
}

YamlWriter& YamlWriter::entry(std::string_view value, const std::string& what) {
    line("- " + yamlString(value, what));
    return *this;
}

YamlWriter& YamlWriter::lines(std::string_view key, const Lines& lines, const std::string& what) {
    std::string joined;
    for (const std::string& each : lines)
        joined += each + "\n";
    if (!fitsLiteralBlock(lines) || !isUtf8(joined))
        return text(key, joined, what);
    line(std::string(key) + ": |");
    const std::string indent(static_cast<std::size_t>(depth_ + 1) * 2, ' ');
    for (const std::string& each : lines)
        text_ += indent + each + "\n";
    return *this;
}

YamlWriter& YamlWriter::end() {
    --depth_;
    itemPending_ = false;
    return *this;
}

YamlWriter& YamlWriter::comment(std::string_view text) {
    line("# " + std::string(text));
    return *this;
}

YamlWriter& YamlWriter::nextDocument() {
    text_ += "---\n";
    return *this;
}

} // namespace velkarn
