#pragma once

#include "core/network/AgonesGameServer.h"
#include "core/network/AgonesSdk.h"
#include "core/network/QueryEngine.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <string>

namespace velkarn {

// How patient the conversation with Agones is. Tests shorten the waits.
struct AgonesTiming {
    int callTimeoutMs = 2000;  // one call to the SDK server
    int retryMs = 500;         // between tries while the SDK server is not there yet
    int sidecarWaitMs = 60000; // how long it may take to come before that is said
    int readyPollMs = 500;     // between status queries until the engine first answers
    int healthMs = 2000;       // between status queries, and so health pings, after that
    int engineWaitMs = 700;    // for the engine's answer to one status query (asked twice)
    int shutdownWaitMs = 5000; // for /shutdown at the end, tries included
    int silentStartMs = 30000; // an engine silent this long from its start is said
};

// A dedicated server's life told to Agones: the engine is asked for its status on the loopback,
// "ready" once it first answers, "health" after each answer while it answers (so a frozen
// engine stops the pings and Agones replaces it), "shutdown" once it has ended. Every call is
// bounded; calls that find no SDK server are tried again while it may still come.
class AgonesLifecycle : public QObject {
    Q_OBJECT
public:
    explicit AgonesLifecycle(int sdkPort, AgonesTiming timing = {}, QObject* parent = nullptr);

    // Asks for this GameServer until the SDK server answers (gameServerFound), or says that it
    // never came within the wait (sdkMissing). With a `portName`, an answer without that port
    // (Agones has not given one yet) is asked again within the same wait.
    void findGameServer(const std::string& portName = {});
    // Watches the engine serving on 127.0.0.1:`enginePort`.
    void watchEngine(int enginePort);
    // The engine has ended: no more queries or pings; "shutdown" is told, tried again within its
    // wait, then shutdownDone().
    void shutdown();

signals:
    void gameServerFound(const velkarn::AgonesGameServer& server);
    void sdkMissing(const std::string& message);
    // What happened, a line for the server's log.
    void note(const std::string& line);
    void shutdownDone();

private:
    enum class Stage { Idle, Finding, Watching, ShuttingDown, Done };

    void takeAnswer(AgonesSdk::Call call, const QByteArray& body);
    void takeFailure(AgonesSdk::Call call, const std::string& why);
    void takeGameServer(const QByteArray& body);
    void engineAnswered();
    void engineSilent();
    void askEngine();
    void askEngineLater();
    void finishShutdown();

    AgonesTiming timing_;
    AgonesSdk sdk_;
    QueryEngine engine_;
    QTimer nextQuery_;
    QTimer nextTry_;
    QElapsedTimer waited_;
    QElapsedTimer watched_;
    Stage stage_ = Stage::Idle;
    int enginePort_ = 0;
    bool ready_ = false;      // Agones was told
    bool readyAsked_ = false; // a "ready" call is under way
    bool answering_ = false;  // the engine's last query had an answer
    bool healthFailing_ = false;
    bool silentStartSaid_ = false;
    std::string portName_;     // the port the GameServer must have
    bool portMissing_ = false; // the last answer had none
    std::string lastFailure_;
};

} // namespace velkarn
