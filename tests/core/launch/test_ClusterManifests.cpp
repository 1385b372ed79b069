#include "core/launch/ClusterManifests.h"
#include "core/launch/YamlWriter.h"
#include "core/platform/Errors.h"
#include "support/ManifestDocuments.h"

#include <gtest/gtest.h>
#include <set>

using namespace velkarn;
using namespace velkarn::test;

namespace {

const Lines Script = {"sv_maxclients 9",
                      "sv_hostname Fleet Night",
                      "g_motd ",
                      "sv_privateClients 1",
                      "sv_privatePassword j0in",
                      "set rconpassword s3cret",
                      "set m0 \"set g_gametype 0;map gorge1;set nextmap vstr m1\"",
                      "set m1 \"set g_gametype 3;map vault;set nextmap vstr m0\"",
                      "vstr m0"};

ClusterServe duel(int replicas) {
    ClusterServe serve;
    serve.setupName = "duel";
    serve.script = Script;
    serve.engineWords = "+set sv_fps 30";
    serve.replicas = replicas;
    serve.image = "localhost/velkarn:test";
    serve.gameDataClaim = "openarena-data";
    return serve;
}

} // namespace

TEST(ClusterManifests, PodsEachOnTheirOwnPortPasswordsOnlyInTheSecret) {
    const std::string text = kubernetesManifests(duel(3), PasswordDisplay::Shown);
    const Manifests manifests(text);
    ASSERT_EQ(manifests.kinds(),
              (std::vector<std::string>{"ConfigMap", "Secret", "Pod", "Pod", "Pod"}));

    EXPECT_EQ(manifests.of("ConfigMap")["data"]["command-line"].as<std::string>(),
              "+set sv_fps 30");
    EXPECT_EQ(secretValue(manifests, "password"), "j0in");

    std::set<int> ports;
    for (const YAML::Node& pod : manifests.all("Pod")) {
        const YAML::Node container = pod[DesiredState]["containers"][0];
        const int port = container["ports"][0]["hostPort"].as<int>();
        ports.insert(port);
        EXPECT_EQ(container["ports"][0]["containerPort"].as<int>(), port);
        EXPECT_EQ(container["ports"][0]["protocol"].as<std::string>(), "UDP");
        EXPECT_EQ(
            container["args"].as<std::vector<std::string>>(),
            (std::vector<std::string>{"serve", "duel", "--prepared", "/etc/velkarn/setup",
                                      "--secrets", "/etc/velkarn/secrets", "--game-data",
                                      "/srv/velkarn/baseoa", "--port", std::to_string(port)}));
        const YAML::Node claim = volume(pod[DesiredState], "game-data")["persistentVolumeClaim"];
        EXPECT_EQ(claim["claimName"].as<std::string>(), "openarena-data");
        EXPECT_TRUE(claim["readOnly"].as<bool>());
        EXPECT_TRUE(mount(container, "game-data")["readOnly"].as<bool>());
        EXPECT_EQ(volume(pod[DesiredState], "secrets")["secret"]["defaultMode"].as<int>(), 0440);
    }
    EXPECT_EQ(ports, (std::set<int>{27960, 27961, 27962}));

    ClusterServe tooMany = duel(2);
    tooMany.firstPort = 65535;
    EXPECT_THROW(kubernetesManifests(tooMany, PasswordDisplay::Shown), UserMessage);
}

TEST(ClusterManifests, AFleetLeavesThePortsToAgones) {
    ClusterServe serve = duel(4);
    serve.modChosen = true;
    serve.engineWords = "+set fs_game arena";
    const Manifests manifests(agonesManifests(serve, PasswordDisplay::Masked));
    ASSERT_EQ(manifests.kinds(), (std::vector<std::string>{"ConfigMap", "Secret", "Fleet"}));
    EXPECT_EQ(manifests.of("ConfigMap")["data"]["mod-parameters"].as<std::string>(),
              "+set fs_game arena");
    EXPECT_EQ(manifests.of("Secret")["data"]["rcon-password"].as<std::string>(), "********")
        << "a masked Secret that kubectl refuses rather than takes as the password";

    const YAML::Node fleet = manifests.of("Fleet");
    EXPECT_EQ(fleet["apiVersion"].as<std::string>(), "agones.dev/v1");
    EXPECT_EQ(fleet[DesiredState]["replicas"].as<int>(), 4);
    const YAML::Node server = fleet[DesiredState]["template"][DesiredState];
    EXPECT_EQ(server["ports"][0]["portPolicy"].as<std::string>(), "Passthrough");
    EXPECT_EQ(server["ports"][0]["protocol"].as<std::string>(), "UDP");
    EXPECT_EQ(server["health"]["periodSeconds"].as<int>(), 5);
    const YAML::Node container = server["template"][DesiredState]["containers"][0];
    EXPECT_EQ(server["container"].as<std::string>(), container["name"].as<std::string>());
    const auto args = container["args"].as<std::vector<std::string>>();
    EXPECT_EQ(args.back(), "--agones-sdk");
    EXPECT_FALSE(container["ports"]) << "Passthrough: the port is Agones' to give";
}

TEST(ClusterManifests, NamesAreKubernetesNamesAndTwoSetupsNeverShareOne) {
    EXPECT_EQ(clusterObjectName("duel"), "velkarn-duel");
    const std::string night = clusterObjectName("Duel Night!");
    EXPECT_TRUE(night.starts_with("velkarn-duel-night-")) << night;
    EXPECT_NE(clusterObjectName("Duel"), clusterObjectName("duel"));
    EXPECT_NE(clusterObjectName("a b"), clusterObjectName("a-b"));
    const std::string longName = clusterObjectName(std::string(80, 'x'));
    EXPECT_LE(longName.size(), 40u);
    for (const std::string& name : {night, longName, clusterObjectName("日本")})
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"),
                  std::string::npos)
            << name;
}

// Texts come back from a YAML reader exactly as written, whatever they hold.
TEST(YamlWriter, TextsAndLinesReadBackExactly) {
    for (const std::string& text :
         {std::string("plain"), std::string(""), std::string("yes"), std::string("null"),
          std::string("007"), std::string("- a: b # c"), std::string("say \"hi\" \\ there"),
          std::string("tab\there"), std::string("line\nbreak"), std::string("Zoë \xe2\x80\xa8 x"),
          std::string("\xc2\x85next")}) {
        YamlWriter yaml;
        yaml.text("key", text, "text");
        EXPECT_EQ(YAML::Load(yaml.str())["key"].as<std::string>(), text) << yaml.str();
    }
    EXPECT_THROW(yamlString("Caf\xe9", "host name"), UserMessage);

    for (const Lines& lines : {Lines{"a", "  indented", "trailing  "}, Lines{" leading", "b"},
                               Lines{"a", ""}, Lines{"bell\a"}, Lines{}}) {
        YamlWriter yaml;
        yaml.begin("outer").lines("script", lines, "script").end();
        std::string joined;
        for (const std::string& line : lines)
            joined += line + "\n";
        EXPECT_EQ(YAML::Load(yaml.str())["outer"]["script"].as<std::string>(), joined)
            << yaml.str();
    }
}
