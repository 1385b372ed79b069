#pragma once

#include "core/platform/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

// YAML as Kubernetes reads it, written line by line: mappings and lists indented by two blanks,
// every text double-quoted.
namespace velkarn {

// `text` in double quotes, with '"', '\' and control characters escaped. Throws UserMessage,
// naming `what`, for a text that is not UTF-8, which YAML cannot carry.
std::string yamlString(std::string_view text, const std::string& what);

class YamlWriter {
public:
    // "key: VALUE", the value written as it is (a number, true, or yamlString's result).
    YamlWriter& field(std::string_view key, std::string_view value);
    // "key: "TEXT"".
    YamlWriter& text(std::string_view key, std::string_view value, const std::string& what);
    YamlWriter& number(std::string_view key, long long value);
    // "key:"; what follows until end() belongs to it.
    YamlWriter& begin(std::string_view key);
    // A list item: the next field goes after "- ", those after it beside that one, until end().
    YamlWriter& item();
    // "- "TEXT"", one text of a list.
    YamlWriter& entry(std::string_view value, const std::string& what);
    // The lines as a literal block ("key: |"), each followed by a line end; in double quotes
    // instead when a literal block would not give them back exactly.
    YamlWriter& lines(std::string_view key, const Lines& lines, const std::string& what);
    YamlWriter& end();
    // "# TEXT" at the current depth.
    YamlWriter& comment(std::string_view text);
    // "---" between two documents.
    YamlWriter& nextDocument();
    const std::string& str() const { return text_; }

private:
    void line(std::string_view content);

    std::string text_;
    int depth_ = 0;
    bool itemPending_ = false;
};

} // namespace velkarn
