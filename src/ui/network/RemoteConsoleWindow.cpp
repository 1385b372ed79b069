#include "ui/network/RemoteConsoleWindow.h"

#include "core/launch/ServedPasswordFile.h"
#include "core/network/RconText.h"
#include "core/network/ServerAddress.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/setup/PlayerName.h"
#include "core/setup/ReadableColor.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

namespace velkarn {

namespace {

// The view keeps the newest lines of a long session.
constexpr int MaxShownLines = 5000;
// The game's console colors show on a dark ground, as in the game.
const QColor ConsoleGround(24, 24, 24);
const QColor NoteColor(160, 160, 160);

} // namespace

RemoteConsoleWindow::RemoteConsoleWindow(std::string setupFolder, RemoteConsoleTiming timing,
                                         QWidget* parent)
    : QWidget(parent), console_(timing), setupFolder_(std::move(setupFolder)) {
    setUpWindow(this, "remoteConsoleWindow", "Remote Console");
    serverEdit_ = named(new QLineEdit(this), "serverEdit");
    serverEdit_->setPlaceholderText("host:port");
    replyView_ = named(new QPlainTextEdit(this), "replyView");
    replyView_->setReadOnly(true);
    replyView_->setFont(fixedPitchFont());
    replyView_->setMaximumBlockCount(MaxShownLines);
    spoken(replyView_, "Server replies");
    QPalette ground = replyView_->palette();
    ground.setColor(QPalette::Base, ConsoleGround);
    ground.setColor(QPalette::Text, Qt::white);
    replyView_->setPalette(ground);
    commandEdit_ = named(new QLineEdit(this), "commandEdit");
    commandEdit_->setFont(fixedPitchFont());
    sendButton_ = namedButton("S&end", "sendButton", this, true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(namedLabel("&Server", "serverLabel", this, serverEdit_), 0, 0);
    layout->addWidget(serverEdit_, 0, 1, 1, 2);
    layout->addWidget(replyView_, 1, 0, 1, 3);
    layout->addWidget(namedLabel("&Command", "commandLabel", this, commandEdit_), 2, 0);
    layout->addWidget(commandEdit_, 2, 1);
    layout->addWidget(sendButton_, 2, 2);
    layout->setRowStretch(1, 1);
    rememberPlacement(this, QSize(720, 480));

    commandEdit_->installEventFilter(this);
    connect(commandEdit_, &QLineEdit::returnPressed, sendButton_, &QPushButton::click);
    connectGuarded(sendButton_, &QPushButton::clicked, this, [this] { sendCommand(); });
    connect(&console_, &RemoteConsole::answered, this, &RemoteConsoleWindow::showReply);
    connect(&console_, &RemoteConsole::silent, this,
            [this] { showNote("No answer from " + local(waitingFor_) + "."); });
}

void RemoteConsoleWindow::openFor(const QString& address) {
    if (!address.isEmpty())
        serverEdit_->setText(address);
    show();
    raise();
    activateWindow();
    commandEdit_->setFocus();
}

void RemoteConsoleWindow::sendCommand() {
    const std::string command = bytes(commandEdit_->text());
    if (command.empty())
        return;
    const std::string typedServer = bytes(serverEdit_->text().trimmed());
    const auto server = parseServerAddress(typedServer);
    if (!server)
        throw UserMessage("'" + typedServer + "' is not a server address!");
    const std::string key = formatServerAddress(*server);
    const auto password = passwordFor(*server, key);
    if (!password)
        return;
    console_.send(*server, *password, command);
    waitingFor_ = key;
    history_.add(command);
    commandEdit_->clear();
    showNote("] " + local(command));
}

std::optional<std::string> RemoteConsoleWindow::passwordFor(const ServerAddress& server,
                                                            const std::string& key) {
    fileSentWith_.clear();
    if (const auto known = passwords_.find(key); known != passwords_.end())
        return known->second;
    const std::string file = servedRconPasswordFile(setupFolder_, server.host, server.port);
    if (!file.empty() && !refusedFiles_.contains(file)) {
        fileSentWith_ = file;
        return readPasswordFile(file); // read each time: the file may have changed
    }
    const auto typed = dialogs().askPassword("The remote console password of " + key + ":");
    if (typed) {
        requireRconPassword(*typed);
        passwords_.emplace(key, *typed);
    }
    return typed;
}

void RemoteConsoleWindow::showReply(const std::string& reply, bool cutOff) {
    if (isRconRefusal(reply)) {
        passwords_.erase(waitingFor_); // asked again at the next command
        if (!fileSentWith_.empty())
            refusedFiles_.insert(fileSentWith_);
    }
    std::size_t start = 0;
    while (start < reply.size()) {
        const std::size_t end = std::min(reply.find('\n', start), reply.size());
        showLine(reply.substr(start, end - start));
        start = end + 1;
    }
    if (cutOff)
        showNote("(The reply was cut off: it was longer than a server's reply can be.)");
}

QTextCursor RemoteConsoleWindow::newLine() {
    QTextCursor cursor(replyView_->document());
    cursor.movePosition(QTextCursor::End);
    if (!replyView_->document()->isEmpty())
        cursor.insertBlock();
    return cursor;
}

void RemoteConsoleWindow::showLine(const std::string& codedLine) {
    const ColoredText text = previewPlayerName(printableText(codedLine));
    QTextCursor cursor = newLine();
    // Runs of one color are written together, so multi-byte characters stay whole.
    for (std::size_t first = 0; first < text.visible.size();) {
        std::size_t end = first + 1;
        while (end < text.visible.size() && text.colors[end] == text.colors[first])
            ++end;
        QTextCharFormat format;
        const Rgb color = readableOn(
            text.colors[first], {ConsoleGround.red(), ConsoleGround.green(), ConsoleGround.blue()});
        format.setForeground(QColor(color.r, color.g, color.b));
        cursor.insertText(local(text.visible.substr(first, end - first)), format);
        first = end;
    }
    replyView_->verticalScrollBar()->setValue(replyView_->verticalScrollBar()->maximum());
}

void RemoteConsoleWindow::showNote(const QString& text) {
    QTextCursor cursor = newLine();
    QTextCharFormat format;
    format.setForeground(NoteColor);
    cursor.insertText(text, format);
    replyView_->verticalScrollBar()->setValue(replyView_->verticalScrollBar()->maximum());
}

bool RemoteConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commandEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const std::string typed = bytes(commandEdit_->text());
        if (key == Qt::Key_Up) {
            commandEdit_->setText(local(history_.previous(typed)));
            return true;
        }
        if (key == Qt::Key_Down) {
            commandEdit_->setText(local(history_.next(typed)));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velkarn
