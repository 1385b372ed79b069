#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <string>
#include <vector>

namespace velkarn {

// How a process ended: its exit status, or the signal that killed it.
struct ProcessEnd {
    bool signalled = false;
    int code = 0; // the exit status, or the signal's number
};

// A program run with an argument list (never a shell) that lives and dies with this one: it is
// killed when this program ends, even by a signal that cannot be caught, and it is kept out of
// the terminal's process group, so a Ctrl-C reaches this program alone, which decides what to
// do. Its standard output and error come as lines; its standard input takes lines.
class AttachedProcess : public QObject {
    Q_OBJECT
public:
    explicit AttachedProcess(QObject* parent = nullptr);
    // Kills a process still running and waits for it.
    ~AttachedProcess() override;

    // Starts `command` (the program and its arguments) in `workingFolder`. False when it could
    // not be started; errorText() then says why.
    bool start(const std::vector<std::string>& command, const std::string& workingFolder);
    std::string errorText() const;
    bool running() const;
    // Writes `line` and a line end to the program's standard input.
    void writeLine(const std::string& line);
    void kill();

signals:
    // A line the program wrote, without its line end. A line longer than a limit comes in parts.
    void lineRead(const std::string& line);
    void finished(velkarn::ProcessEnd end);

private:
    void readLines();
    void takeEnd(int exitCode, QProcess::ExitStatus status);

    QProcess process_;
};

} // namespace velkarn
