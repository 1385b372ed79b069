#pragma once

#include <string>
#include <vector>

// A systemd user unit that keeps a setup served: systemd starts, restarts and stops the server;
// Velkarn watches over nothing itself.
namespace velkarn {

// `argument` as one word of ExecStart=: as it stands when it holds only letters, digits and
// "+-./:=@_,", else in double quotes with C escapes; "%" is doubled, so systemd expands no
// specifier in it, and so is "$" in an argument (systemd expands no variable in the program).
enum class ExecWord { Program, Argument };
std::string systemdQuoted(const std::string& word, ExecWord kind = ExecWord::Argument);

// The unit's file name for a setup: "velkarn-" + the name, its characters that a unit name
// cannot hold made "_", + ".service".
std::string serviceUnitName(const std::string& setupName);

// "PROGRAM [--appdir APP_DIR] serve NAME": the app folder only when one is given (not empty).
std::vector<std::string> serveCommand(const std::string& program, const std::string& appDir,
                                      const std::string& setupName);

// The unit: Type=simple, ExecStart= `serveCommand` (the whole "velkarn serve NAME ..." command,
// its program an absolute path), Restart=on-failure with a delay, WorkingDirectory= the home
// folder, the stop signal for the serve command alone (it makes the engine quit), and comments
// saying how to install it with systemctl --user and keep it running after logout. systemd
// takes only UTF-8: throws UserMessage, naming the text, when a word of the command or the
// setup's name is none.
std::string serviceUnitText(const std::vector<std::string>& serveCommand,
                            const std::string& setupName);

} // namespace velkarn
