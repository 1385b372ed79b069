#pragma once

#include <optional>
#include <string>

namespace velkarn::test {

// What systemd's own reader says of a user unit (`systemd-analyze verify --user`): empty when it
// loads the unit without a word, else its exit status and messages; nothing when systemd-analyze
// is not installed.
std::optional<std::string> systemdVerdict(const std::string& unitText,
                                          const std::string& unitName = "velkarn-test.service");

} // namespace velkarn::test
