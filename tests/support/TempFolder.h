#pragma once

#include <string>

namespace velkarn::test {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with a trailing "/".
    const std::string& path() const { return path_; }
    // path() + name.
    std::string file(const std::string& name) const { return path_ + name; }

    // Writes bytes to path() + name, creating folders on the way; returns the full path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // Reads path() + name whole; empty when it does not exist.
    std::string read(const std::string& name) const;
    // Creates a folder path() + name (with parents); returns the full path with "/".
    std::string makeFolder(const std::string& name) const;

private:
    std::string path_;
};

} // namespace velkarn::test
