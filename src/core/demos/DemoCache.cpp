#include "core/demos/DemoCache.h"

#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"

#include <charconv>
#include <string_view>

namespace velkarn {

namespace {

constexpr std::string_view Header = "velkarn demo cache 1";

// Fields are separated by tabs; tabs, line ends and backslashes inside them are escaped.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::vector<std::string> fields(std::string_view line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(unescaped(line.substr(start, tab - start)));
        if (tab == std::string_view::npos)
            return out;
        start = tab + 1;
    }
}

template <typename Number> bool toNumber(const std::string& text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::string join(const std::vector<std::string>& parts) {
    std::string line;
    for (const auto& part : parts)
        line += (line.empty() ? "" : "\t") + escaped(part);
    return line;
}

std::string fileLine(const std::string& path, const FileState& s, std::size_t count) {
    return join({"F", path, std::to_string(s.identity.device), std::to_string(s.identity.inode),
                 std::to_string(s.size), std::to_string(s.modifiedSeconds), std::to_string(count)});
}

std::string demoLine(const DemoEntry& d) {
    const DemoFacts& f = d.read.facts;
    std::vector<std::string> parts = {"D",
                                      d.entry,
                                      d.name,
                                      d.mod,
                                      std::to_string(d.size),
                                      std::to_string(d.modifiedSeconds),
                                      std::to_string(static_cast<int>(d.read.status)),
                                      d.read.problem,
                                      f.map,
                                      std::to_string(f.gameType),
                                      std::to_string(f.protocol),
                                      f.hostName,
                                      f.mod,
                                      f.recorder,
                                      std::to_string(f.lengthMs)};
    parts.insert(parts.end(), f.others.begin(), f.others.end());
    return join(parts);
}

bool readDemoLine(const std::vector<std::string>& p, const std::string& path, DemoEntry& d) {
    int status = 0;
    if (p.size() < 15 || p[0] != "D" || !toNumber(p[4], d.size) ||
        !toNumber(p[5], d.modifiedSeconds) || !toNumber(p[6], status) || status < 0 ||
        status > static_cast<int>(DemoReadStatus::Damaged) ||
        !toNumber(p[9], d.read.facts.gameType) || !toNumber(p[10], d.read.facts.protocol) ||
        !toNumber(p[14], d.read.facts.lengthMs))
        return false;
    d.path = path;
    d.entry = p[1];
    d.name = p[2];
    d.mod = p[3];
    d.read.status = static_cast<DemoReadStatus>(status);
    d.read.problem = p[7];
    d.read.facts.map = p[8];
    d.read.facts.hostName = p[11];
    d.read.facts.mod = p[12];
    d.read.facts.recorder = p[13];
    d.read.facts.others.assign(p.begin() + 15, p.end());
    return true;
}

} // namespace

DemoCache::DemoCache(std::string file) : file_(std::move(file)) {
    Lines lines;
    try {
        if (!fileExists(file_))
            return;
        lines = readTextFile(file_);
    } catch (const Error&) {
        return;
    }
    if (lines.empty() || lines[0] != Header)
        return;
    for (std::size_t i = 1; i < lines.size();) {
        const auto f = fields(lines[i++]);
        Record record;
        std::size_t count = 0;
        if (f.size() != 7 || f[0] != "F" || !toNumber(f[2], record.state.identity.device) ||
            !toNumber(f[3], record.state.identity.inode) || !toNumber(f[4], record.state.size) ||
            !toNumber(f[5], record.state.modifiedSeconds) || !toNumber(f[6], count) ||
            count > lines.size() - i) {
            loaded_.clear();
            return;
        }
        for (std::size_t n = 0; n < count; ++n) {
            DemoEntry demo;
            if (!readDemoLine(fields(lines[i++]), f[1], demo)) {
                loaded_.clear();
                return;
            }
            record.demos.push_back(std::move(demo));
        }
        loaded_[f[1]] = std::move(record);
    }
}

const std::vector<DemoEntry>* DemoCache::find(const std::string& path,
                                              const FileState& state) const {
    const auto it = loaded_.find(path);
    if (it == loaded_.end() || it->second.state.identity != state.identity ||
        it->second.state.size != state.size ||
        it->second.state.modifiedSeconds != state.modifiedSeconds)
        return nullptr;
    return &it->second.demos;
}

void DemoCache::keep(const std::string& path, const FileState& state,
                     std::vector<DemoEntry> demos) {
    if (!find(path, state))
        changed_ = true;
    kept_[path] = Record{state, std::move(demos)};
}

void DemoCache::save() {
    if (!changed_ && kept_.size() == loaded_.size())
        return;
    Lines lines{std::string(Header)};
    for (const auto& [path, record] : kept_) {
        lines.push_back(fileLine(path, record.state, record.demos.size()));
        for (const auto& demo : record.demos)
            lines.push_back(demoLine(demo));
    }
    try {
        writeTextFile(file_, lines);
    } catch (const Error&) {
        // Only a cache: the next listing reads the demos again.
    }
    loaded_ = kept_;
    changed_ = false;
}

} // namespace velkarn
