#pragma once

#include "core/network/CommandHistory.h"
#include "core/network/RemoteConsole.h"
#include "core/network/ServerAddress.h"

#include <QTextCursor>
#include <QWidget>
#include <map>
#include <optional>
#include <set>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velkarn {

// "Remote Console": sends commands to a server's remote console and shows the replies in their
// colors, one after another. The password of a setup this machine serves comes from the password
// file its server options name; any other is asked the first time a server is sent a command and
// kept in memory only, for this run. A server that refuses it gets asked next time. Up and Down in
// the command line walk the commands sent.
class RemoteConsoleWindow : public QWidget {
    Q_OBJECT
public:
    // `setupFolder` holds the setups' server options (configs/<name>.server).
    explicit RemoteConsoleWindow(std::string setupFolder, RemoteConsoleTiming timing = {},
                                 QWidget* parent = nullptr);

public slots:
    // Shows the window for the server at `address` (the field keeps what it had when empty).
    void openFor(const QString& address);
    // Sends what the command line holds to the server of the server field.
    void sendCommand();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showReply(const std::string& reply, bool cutOff);
    void showLine(const std::string& codedLine);
    void showNote(const QString& text);
    QTextCursor newLine();
    std::optional<std::string> passwordFor(const ServerAddress& server, const std::string& key);

    RemoteConsole console_;
    CommandHistory history_;
    std::string setupFolder_;
    std::map<std::string, std::string> passwords_; // by "HOST:PORT"
    std::set<std::string> refusedFiles_;           // saved passwords a server did not take
    std::string fileSentWith_;                     // the saved password file of the last command
    std::string waitingFor_;                       // the server of the command sent last
    QLineEdit* serverEdit_;
    QPlainTextEdit* replyView_;
    QLineEdit* commandEdit_;
    QPushButton* sendButton_;
};

} // namespace velkarn
