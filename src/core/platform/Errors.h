#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// The program's error model: core code throws these, never shows anything. Windows run every
// handler through one guard that shows what() in a message box; the command line prints it to
// standard error and exits 1. The texts are the ones users know from the program.
namespace velkarn {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file read whole could not be opened: "Cannot open file %s", with the reason after a colon
// when there is one worth telling ("it is not a regular file").
class FileOpenError : public Error {
public:
    explicit FileOpenError(const std::string& fileName, const std::string& reason = {});
};

// A file written whole could not be created or replaced: "Cannot create file %s".
class FileCreateError : public Error {
public:
    explicit FileCreateError(const std::string& fileName);
};

// A text that should hold a whole number: "'%s' is not a valid integer value"; read from a file,
// the file and line come first: "maps.txt, line 13: 'x' is not a valid integer value".
class ConvertError : public Error {
public:
    explicit ConvertError(const std::string& text);
    ConvertError(const std::string& text, const std::string& file, std::size_t line);
};

// A line of a file the program keeps that is not what the program writes there:
// "<file>, line <n>: <problem>".
class FileFormatError : public Error {
public:
    FileFormatError(const std::string& file, std::size_t line, const std::string& problem);
};

// "<file>, line <n>: ", the start of a message about one line (counted from 1).
std::string fileLinePrefix(const std::string& file, std::size_t line);

// A list position that does not exist: "List index out of bounds (%d)".
class ListIndexError : public Error {
public:
    explicit ListIndexError(long long index);
};

// Run-time I/O error of files written line by line (the game script, the test report).
class InOutError : public Error {
public:
    explicit InOutError(int code);
    int code() const { return code_; }

    // Run-time error codes behind the texts.
    static constexpr int FileNotFound = 2;
    static constexpr int InvalidFilename = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;
    static constexpr int InvalidNumericInput = 106;

    // Maps a POSIX errno value to the run-time code with the matching text.
    static int codeFromErrno(int err);

private:
    int code_;
};

// A user mistake the program tests for; the text ends in "!" and is shown as it stands.
class UserMessage : public Error {
public:
    using Error::Error;
};

// Whole-number conversion as the file readers and number fields use it: optional sign and
// decimal digits, surrounding blanks allowed; anything else throws ConvertError.
int toInt(const std::string& text);

} // namespace velkarn
