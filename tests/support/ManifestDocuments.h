#pragma once

#include <string>
#include <vector>
#include <yaml-cpp/yaml.h>

namespace velkarn::test {

// Printed manifests read back by a YAML reader, as kubectl reads them.
class Manifests {
public:
    explicit Manifests(const std::string& text) : documents_(YAML::LoadAll(text)) {}

    std::vector<std::string> kinds() const {
        std::vector<std::string> kinds;
        for (const YAML::Node& document : documents_)
            kinds.push_back(document["kind"].as<std::string>());
        return kinds;
    }
    std::vector<YAML::Node> all(const std::string& kind) const {
        std::vector<YAML::Node> found;
        for (const YAML::Node& document : documents_)
            if (document["kind"].as<std::string>() == kind)
                found.push_back(document);
        return found;
    }
    YAML::Node of(const std::string& kind) const { return all(kind).at(0); }

private:
    std::vector<YAML::Node> documents_;
};

// A value of the Secret's data, decoded.
inline std::string secretValue(const Manifests& manifests, const std::string& key) {
    const auto bytes = YAML::DecodeBase64(manifests.of("Secret")["data"][key].as<std::string>());
    return {bytes.begin(), bytes.end()};
}

// The manifests' text without the Secret's document.
inline std::string withoutSecret(const std::string& text) {
    const std::size_t start = text.find("kind: Secret");
    const std::size_t end = text.find("\n---\n", start);
    return text.substr(0, start) + (end == std::string::npos ? "" : text.substr(end));
}

// The entry of a list of named entries (volumes, volume mounts) called `name`.
inline YAML::Node named(const YAML::Node& list, const std::string& name) {
    for (const YAML::Node& entry : list)
        if (entry["name"].as<std::string>() == name)
            return entry;
    return YAML::Node();
}
inline YAML::Node volume(const YAML::Node& podSpec, const std::string& name) {
    return named(podSpec["volumes"], name);
}
inline YAML::Node mount(const YAML::Node& container, const std::string& name) {
    return named(container["volumeMounts"], name);
}

} // namespace velkarn::test
