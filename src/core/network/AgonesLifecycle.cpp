#include "core/network/AgonesLifecycle.h"

namespace velkarn {

AgonesLifecycle::AgonesLifecycle(int sdkPort, AgonesTiming timing, QObject* parent)
    : QObject(parent), timing_(timing), sdk_(sdkPort, timing.callTimeoutMs),
      engine_(QueryTiming{timing.engineWaitMs, 1}) {
    nextQuery_.setSingleShot(true);
    nextTry_.setSingleShot(true);
    connect(&nextQuery_, &QTimer::timeout, this, &AgonesLifecycle::askEngine);
    connect(&nextTry_, &QTimer::timeout, this, [this] {
        sdk_.send(stage_ == Stage::Finding ? AgonesSdk::Call::GameServer
                                           : AgonesSdk::Call::Shutdown);
    });
    connect(&sdk_, &AgonesSdk::answered, this, &AgonesLifecycle::takeAnswer);
    connect(&sdk_, &AgonesSdk::failed, this, &AgonesLifecycle::takeFailure);
    connect(&engine_, &QueryEngine::serverAnswered, this, &AgonesLifecycle::engineAnswered);
    connect(&engine_, &QueryEngine::serverSilent, this, &AgonesLifecycle::engineSilent);
}

void AgonesLifecycle::findGameServer(const std::string& portName) {
    stage_ = Stage::Finding;
    portName_ = portName;
    waited_.start();
    sdk_.send(AgonesSdk::Call::GameServer);
}

void AgonesLifecycle::watchEngine(int enginePort) {
    stage_ = Stage::Watching;
    enginePort_ = enginePort;
    watched_.start();
    askEngine();
}

void AgonesLifecycle::shutdown() {
    if (stage_ == Stage::ShuttingDown || stage_ == Stage::Done)
        return;
    stage_ = Stage::ShuttingDown;
    nextQuery_.stop();
    nextTry_.stop();
    engine_.stop();
    waited_.start();
    sdk_.send(AgonesSdk::Call::Shutdown);
}

void AgonesLifecycle::takeAnswer(AgonesSdk::Call call, const QByteArray& body) {
    switch (call) {
    case AgonesSdk::Call::GameServer:
        if (stage_ == Stage::Finding)
            takeGameServer(body);
        break;
    case AgonesSdk::Call::Ready:
        readyAsked_ = false;
        if (!ready_ && stage_ == Stage::Watching)
            emit note("Agones: ready, the engine answers on 127.0.0.1:" +
                      std::to_string(enginePort_));
        ready_ = true;
        break;
    case AgonesSdk::Call::Health:
        if (healthFailing_)
            emit note("Agones: health pings reach the SDK server again");
        healthFailing_ = false;
        break;
    case AgonesSdk::Call::Shutdown:
        if (stage_ == Stage::ShuttingDown) {
            emit note("Agones: shutdown told");
            finishShutdown();
        }
        break;
    }
}

void AgonesLifecycle::takeFailure(AgonesSdk::Call call, const std::string& why) {
    const std::string where = "the Agones SDK server on 127.0.0.1:" + std::to_string(sdk_.port());
    switch (call) {
    case AgonesSdk::Call::GameServer:
        if (stage_ != Stage::Finding)
            break;
        lastFailure_ = why;
        if (waited_.elapsed() < timing_.sidecarWaitMs) {
            nextTry_.start(timing_.retryMs);
            break;
        }
        stage_ = Stage::Done;
        if (portMissing_)
            emit sdkMissing("The Agones SDK server on 127.0.0.1:" + std::to_string(sdk_.port()) +
                            " gave this GameServer no port \"" + portName_ + "\" within " +
                            std::to_string(timing_.sidecarWaitMs / 1000) +
                            " s; the engine would listen where no player is sent.");
        else
            emit sdkMissing("No answer from " + where + " within " +
                            std::to_string(timing_.sidecarWaitMs / 1000) +
                            " s (last: " + lastFailure_ +
                            "). It runs beside the game in every Pod of an Agones GameServer "
                            "and listens on the port AGONES_SDK_HTTP_PORT names (9358 unless "
                            "set); without it nobody would keep this server healthy.");
        break;
    case AgonesSdk::Call::Ready:
        // The next answer of the engine asks again.
        readyAsked_ = false;
        emit note("Agones: \"ready\" was not taken by " + where + ": " + why);
        break;
    case AgonesSdk::Call::Health:
        if (!healthFailing_)
            emit note("Agones: a health ping was not taken by " + where + ": " + why);
        healthFailing_ = true;
        break;
    case AgonesSdk::Call::Shutdown:
        if (stage_ != Stage::ShuttingDown)
            break;
        if (waited_.elapsed() + timing_.retryMs < timing_.shutdownWaitMs) {
            nextTry_.start(timing_.retryMs);
            break;
        }
        emit note("Agones: \"shutdown\" was not taken by " + where + ": " + why +
                  "; Agones sees the Pod end instead");
        finishShutdown();
        break;
    }
}

void AgonesLifecycle::takeGameServer(const QByteArray& body) {
    const auto server = parseAgonesGameServer(body);
    // With Passthrough, Agones may answer before it has given the port.
    portMissing_ = server && !portName_.empty() && server->port(portName_) == 0;
    if (!server || portMissing_) {
        takeFailure(AgonesSdk::Call::GameServer, server ? "a GameServer without a port yet"
                                                        : "an answer that describes no GameServer");
        return;
    }
    stage_ = Stage::Idle;
    emit gameServerFound(*server);
}

void AgonesLifecycle::engineAnswered() {
    if (stage_ != Stage::Watching)
        return;
    if (!answering_ && ready_)
        emit note("Agones: the engine answers again; health pings go on");
    answering_ = true;
    if (ready_) {
        sdk_.send(AgonesSdk::Call::Health);
    } else if (!readyAsked_) {
        readyAsked_ = true;
        sdk_.send(AgonesSdk::Call::Ready);
    }
    askEngineLater();
}

void AgonesLifecycle::engineSilent() {
    if (stage_ != Stage::Watching)
        return;
    if (answering_ && ready_)
        emit note(
            "Agones: the engine stopped answering on 127.0.0.1:" + std::to_string(enginePort_) +
            "; no more health pings, so Agones replaces this server unless it answers "
            "again soon");
    answering_ = false;
    // An engine that never comes up (a map it lacks) is never Ready: the log says why.
    if (!ready_ && !silentStartSaid_ && watched_.elapsed() >= timing_.silentStartMs) {
        silentStartSaid_ = true;
        emit note("Agones: the engine has not answered a status query on 127.0.0.1:" +
                  std::to_string(enginePort_) + " in " +
                  std::to_string(timing_.silentStartMs / 1000) +
                  " s, so Agones is not told it is ready");
    }
    askEngineLater();
}

void AgonesLifecycle::askEngine() {
    if (stage_ == Stage::Watching)
        engine_.queryServers({ServerAddress{"127.0.0.1", static_cast<std::uint16_t>(enginePort_)}});
}

void AgonesLifecycle::askEngineLater() {
    nextQuery_.start(ready_ || readyAsked_ ? timing_.healthMs : timing_.readyPollMs);
}

void AgonesLifecycle::finishShutdown() {
    stage_ = Stage::Done;
    nextTry_.stop();
    emit shutdownDone();
}

} // namespace velkarn
