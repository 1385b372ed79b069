#include "cli/ServeCommand.h"
#include "core/launch/ClusterManifests.h"
#include "support/HttpResponder.h"
#include "support/ManifestDocuments.h"
#include "support/ServedSetup.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// The setup "duel" with both passwords, served on a game folder's dedicated server.
struct ClusterServeTest : ::testing::Test {
    TempFolder app;
    GameFolder game{true};
    std::ostringstream out, err;

    void SetUp() override {
        writeDuelSetup(app, game);
        app.write("configs/duel.server", "port=27970\r\nhostname=Fleet Night\r\n"
                                         "password=j0in\r\nrconpasswordfile=duel.rcon\r\n");
        app.write("configs/duel.rcon", "s3cret\n");
    }
    int serve(const ServeArguments& arguments, bool terminal = false,
              const AgonesTiming& agones = {}) {
        out.str("");
        err.str("");
        return runServeCommand({app.path(), true, "/usr/bin/velkarn", terminal}, "duel", arguments,
                               out, err, DefaultQuitGraceMs, agones);
    }
    std::string printed(ServeMode mode, int replicas = 1, bool terminal = false) {
        ServeArguments arguments;
        arguments.mode = mode;
        arguments.cluster.replicas = replicas;
        EXPECT_EQ(serve(arguments, terminal), 0) << err.str();
        return out.str();
    }
};

// A ConfigMap's or a Secret's data as Kubernetes mounts it: a file a key.
void mountData(const YAML::Node& data, const TempFolder& folder, bool base64) {
    for (const auto& pair : data) {
        const std::string value = pair.second.as<std::string>();
        const auto bytes = YAML::DecodeBase64(value);
        folder.write(pair.first.as<std::string>(),
                     base64 ? std::string(bytes.begin(), bytes.end()) : value);
    }
}

} // namespace

TEST_F(ClusterServeTest, ThePodsServeExactlyWhatServePrintShowsOnTheirOwnPorts) {
    const std::string shown = printed(ServeMode::Print);
    const std::string script = shown.substr(0, shown.rfind('\n', shown.size() - 2) + 1);
    const std::string text = printed(ServeMode::Kube, 3);
    const Manifests manifests(text);
    ASSERT_EQ(manifests.kinds(),
              (std::vector<std::string>{"ConfigMap", "Secret", "Pod", "Pod", "Pod"}));
    EXPECT_EQ(manifests.of("ConfigMap")["data"]["server.cfg"].as<std::string>(), script);
    EXPECT_EQ(secretValue(manifests, "rcon-password"), "s3cret");
    EXPECT_EQ(secretValue(manifests, "password"), "j0in");
    EXPECT_EQ(withoutSecret(text).find("s3cret"), std::string::npos);
    EXPECT_EQ(withoutSecret(text).find("j0in"), std::string::npos);
    std::set<int> ports;
    for (const YAML::Node& pod : manifests.all("Pod"))
        ports.insert(pod[DesiredState]["containers"][0]["ports"][0]["hostPort"].as<int>());
    EXPECT_EQ(ports, (std::set<int>{27970, 27971, 27972}));
    EXPECT_EQ(manifests.of("Pod")[DesiredState]["containers"][0]["image"].as<std::string>(),
              std::string("localhost/velkarn-server:") + VELKARN_VERSION);

    // The first Pod, its ConfigMap and Secret mounted as Kubernetes mounts them.
    TempFolder setup, secrets;
    mountData(manifests.of("ConfigMap")["data"], setup, false);
    mountData(manifests.of("Secret")["data"], secrets, true);
    const auto args =
        manifests.of("Pod")[DesiredState]["containers"][0]["args"].as<std::vector<std::string>>();
    ServeArguments pod;
    pod.mode = ServeMode::Print;
    pod.cluster.preparedFolder = setup.path();
    pod.cluster.secretsFolder = secrets.path();
    pod.port = std::stoi(args.back());
    ASSERT_EQ(serve(pod), 0) << err.str();
    EXPECT_EQ(out.str(), shown) << "the same script and the same engine command";
}

TEST_F(ClusterServeTest, AFleetOnATerminalShowsNoPassword) {
    const std::string text = printed(ServeMode::Agones, 5, true);
    const Manifests manifests(text);
    ASSERT_EQ(manifests.kinds(), (std::vector<std::string>{"ConfigMap", "Secret", "Fleet"}));
    EXPECT_EQ(manifests.of("Fleet")[DesiredState]["replicas"].as<int>(), 5);
    EXPECT_EQ(text.find("s3cret"), std::string::npos);
    EXPECT_EQ(text.find("j0in"), std::string::npos);
    EXPECT_EQ(text.find(QByteArray("s3cret").toBase64().toStdString()), std::string::npos);
}

TEST_F(ClusterServeTest, APodWhoseSdkServerNeverComesSaysSoAndStartsNothing) {
    ensureCoreApplication();
    TempFolder setup;
    setup.write("server.cfg", "sv_hostname Fleet\nmap gorge1\n");
    ServeArguments pod;
    pod.cluster.preparedFolder = setup.path();
    pod.cluster.agonesSdk = true;
    qputenv("AGONES_SDK_HTTP_PORT", QByteArray::number(freeTcpPort()));
    EXPECT_EQ(serve(pod, false, AgonesTiming{200, 50, 600, 50, 200, 70, 600}), 1);
    qunsetenv("AGONES_SDK_HTTP_PORT");
    EXPECT_NE(err.str().find("No answer from the Agones SDK server on 127.0.0.1:"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(game.ran());
    EXPECT_FALSE(fileExists(game.dir.file("fake_dedicated_run.txt")));
}
