#pragma once

#include "core/network/CommandHistory.h"
#include "core/network/RemoteConsole.h"

#include <QTextCursor>
#include <QWidget>
#include <map>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velkarn {

// "Remote Console": sends commands to a server's remote console and shows the replies in their
// colors, one after another. The password is asked the first time a server is sent a command and
// kept in memory only, for this run; a server that refuses it gets asked again next time. Up and
// Down in the command line walk the commands sent.
class RemoteConsoleWindow : public QWidget {
    Q_OBJECT
public:
    explicit RemoteConsoleWindow(RemoteConsoleTiming timing = {}, QWidget* parent = nullptr);

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

    RemoteConsole console_;
    CommandHistory history_;
    std::map<std::string, std::string> passwords_; // by "HOST:PORT"
    std::string waitingFor_;                       // the server of the command sent last
    QLineEdit* serverEdit_;
    QPlainTextEdit* replyView_;
    QLineEdit* commandEdit_;
    QPushButton* sendButton_;
};

} // namespace velkarn
