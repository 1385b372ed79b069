#include "cli/CommandLine.h"

#include "cli/OptionValues.h"

#include <limits>

namespace velkarn {

namespace {

CommandLine badUsage(const std::string& problem) {
    CommandLine result;
    result.command = CommandLine::Command::BadUsage;
    result.problem = problem;
    return result;
}

// Masters listen on 27950. Which protocol a master given on the command line serves is not
// known, so both lists are asked for: Quake III's (68) and ioquake3's and OpenArena's (71).
constexpr std::uint16_t DefaultMasterPort = 27950;
constexpr int MasterProtocols[] = {68, 71};
// A day: `join --wait` is left waiting, not forgotten.
constexpr int MaxGiveUpMinutes = 24 * 60;

// rcon HOST[:PORT] [--password-file FILE] [--] COMMAND...: the words after the options are the
// command, whatever they look like.
CommandLine parseRcon(const std::vector<std::string>& arguments, std::size_t i,
                      CommandLine result) {
    if (i >= arguments.size())
        return badUsage("rcon needs a server address and a command");
    const auto server = parseServerAddress(arguments[i]);
    if (!server)
        return badUsage("'" + arguments[i] + "' is not a server address");
    result.command = CommandLine::Command::Rcon;
    result.server = *server;
    for (++i; i < arguments.size() && arguments[i].starts_with("--"); ++i) {
        if (arguments[i] == "--") {
            ++i;
            break;
        }
        if (arguments[i] != "--password-file")
            return badUsage("unknown argument '" + arguments[i] + "'");
        if (i + 1 >= arguments.size())
            return badUsage("--password-file needs a file");
        result.passwordFile = arguments[++i];
    }
    result.rconCommand.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
    if (result.rconCommand.empty())
        return badUsage("rcon needs a command");
    return result;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    bool commandSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            result.command = CommandLine::Command::Help;
            return result;
        }
        if (argument == "--version") {
            result.command = CommandLine::Command::Version;
            return result;
        }
        if (argument == "--appdir") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return badUsage("--appdir needs a folder");
            result.appDir = arguments[++i];
        } else if ((argument == "--no-start" || argument == "--print") &&
                   result.command == CommandLine::Command::Play) {
            if (result.playMode != PlayMode::Start)
                return badUsage("play takes one of --no-start and --print");
            result.playMode = argument == "--print" ? PlayMode::Print : PlayMode::NoStart;
        } else if (!commandSeen && argument == "play") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return badUsage("play needs the name of a setup");
            result.command = CommandLine::Command::Play;
            result.setupName = arguments[++i];
            commandSeen = true;
        } else if (!commandSeen && argument == "menu") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return badUsage("menu needs the name of a setup");
            result.command = CommandLine::Command::Menu;
            result.setupName = arguments[++i];
            commandSeen = true;
        } else if (argument == "--remove" && result.command == CommandLine::Command::Menu) {
            result.removeMenuEntry = true;
        } else if (!commandSeen && argument == "serve") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return badUsage("serve needs the name of a setup");
            result.command = CommandLine::Command::Serve;
            result.setupName = arguments[++i];
            commandSeen = true;
        } else if (result.command == CommandLine::Command::Serve &&
                   takeServeOption(arguments, i, result.serve, result.problem)) {
            if (!result.problem.empty())
                return badUsage(result.problem);
        } else if (!commandSeen && argument == "rcon") {
            return parseRcon(arguments, i + 1, result);
        } else if (!commandSeen && argument == "scan") {
            result.command = CommandLine::Command::Scan;
            commandSeen = true;
        } else if (!commandSeen && argument == "games") {
            result.command = CommandLine::Command::Games;
            commandSeen = true;
        } else if (!commandSeen && argument == "use") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return badUsage("use needs an installation's number or a game folder");
            result.command = CommandLine::Command::Use;
            result.gameChoice = arguments[++i];
            commandSeen = true;
        } else if (!commandSeen && (argument == "status" || argument == "join")) {
            if (i + 1 >= arguments.size())
                return badUsage(argument + " needs a server address");
            const auto server = parseServerAddress(arguments[++i]);
            if (!server)
                return badUsage("'" + arguments[i] + "' is not a server address");
            result.command =
                argument == "status" ? CommandLine::Command::Status : CommandLine::Command::Join;
            result.server = *server;
            commandSeen = true;
        } else if (argument == "--wait" && result.command == CommandLine::Command::Join) {
            result.joinWait = true;
        } else if (argument == "--give-up" && result.command == CommandLine::Command::Join) {
            std::string problem;
            const auto minutes = optionNumber(arguments, i, 1, MaxGiveUpMinutes, problem);
            if (!minutes)
                return badUsage(problem);
            result.giveUpMinutes = *minutes;
        } else if (!commandSeen && argument == "recent") {
            result.command = CommandLine::Command::Recent;
            commandSeen = true;
        } else if (!commandSeen && argument == "results") {
            result.command = CommandLine::Command::Results;
            commandSeen = true;
        } else if (argument == "--last" && result.command == CommandLine::Command::Results) {
            std::string problem;
            const auto count =
                optionNumber(arguments, i, 1, std::numeric_limits<int>::max(), problem);
            if (!count)
                return badUsage(problem);
            result.lastCount = static_cast<std::size_t>(*count);
        } else if (!commandSeen && argument == "demos") {
            result.command = CommandLine::Command::Demos;
            commandSeen = true;
        } else if (!commandSeen && argument == "demo") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return badUsage("demo needs the name of a demo");
            result.command = CommandLine::Command::Demo;
            result.demoName = arguments[++i];
            commandSeen = true;
        } else if (argument == "--print" && result.command == CommandLine::Command::Demo) {
            result.demoPrint = true;
        } else if (!commandSeen && argument == "servers") {
            result.command = CommandLine::Command::Servers;
            commandSeen = true;
        } else if (argument == "--master" && result.command == CommandLine::Command::Servers) {
            if (i + 1 >= arguments.size())
                return badUsage("--master needs a master server address");
            const auto master = parseServerAddress(arguments[++i], DefaultMasterPort);
            if (!master)
                return badUsage("'" + arguments[i] + "' is not a server address");
            for (int protocol : MasterProtocols)
                result.masters.push_back({*master, protocol});
        } else if (result.command == CommandLine::Command::Servers &&
                   takeServersOption(arguments, i, result.servers, result.problem)) {
            if (!result.problem.empty())
                return badUsage(result.problem);
        } else {
            return badUsage("unknown argument '" + argument + "'");
        }
    }
    if (result.command == CommandLine::Command::Join && result.giveUpMinutes && !result.joinWait)
        return badUsage("--give-up goes with --wait");
    if (result.command == CommandLine::Command::Serve) {
        if (const std::string problem = serveArgumentsProblem(result.serve); !problem.empty())
            return badUsage(problem);
    }
    return result;
}

std::string usageText() {
    return "Usage: velkarn [--appdir DIR] [COMMAND]\n"
           "\n"
           "Prepares Quake III Arena games and starts the game. Without a command the windows\n"
           "open. Velkarn's files (path.txt, maps.txt, bots.txt, models.txt, mods.txt,\n"
           "servers.txt, masters.txt, buddies.txt, results.sqlite and the configs folder)\n"
           "live in $XDG_DATA_HOME/velkarn (by default ~/.local/share/velkarn), or in the\n"
           "folder given by --appdir.\n"
           "\n"
           "Commands:\n"
           "  play NAME [--no-start | --print]\n"
           "                          play the setup configs/NAME.vkn: write the game script\n"
           "                          and start the game; with --no-start print the game's\n"
           "                          parameters instead of starting it; with --print print\n"
           "                          the script, then the parameters, and write nothing\n"
           "  menu NAME [--remove]    put the setup configs/NAME.vkn into the desktop's\n"
           "                          application menu: a desktop entry in\n"
           "                          $XDG_DATA_HOME/applications that runs velkarn play\n"
           "                          NAME; prints its path. --remove takes it out again\n"
           "  scan                    search the game folder for maps, bots, models and mods,\n"
           "                          rewrite the catalogue files and print what was found\n"
           "  games                   list the game installations found, one per line:\n"
           "                          number, label, start command, base folder, home folder\n"
           "                          and data folder, tab-separated\n"
           "  use N|FOLDER            make installation N of games, or the game folder\n"
           "                          FOLDER, the game\n"
           "  status HOST[:PORT]      ask a server (port 27960 unless given; IPv6 as\n"
           "                          [ADDR]:PORT) and print its settings as KEY<TAB>VALUE,\n"
           "                          a blank line, then SCORE<TAB>PING<TAB>NAME a player;\n"
           "                          exit status 1 when it does not answer\n"
           "  servers [--master HOST:PORT]... [FILTER]...\n"
           "                          ask the master servers (those of masters.txt unless\n"
           "                          given; port 27950 unless given) and print\n"
           "                          ADDRESS<TAB>PING<TAB>PLAYERS/MAX<TAB>MAP<TAB>NAME for\n"
           "                          every server that answers and passes the filters:\n"
           "      --has-humans        a player who is not a bot (bots: ping 0 or marked)\n"
           "      --not-empty         a player at all\n"
           "      --not-full          a free slot\n"
           "      --gametype N        g_gametype N (0 deathmatch, 1 tournament, 3 team\n"
           "                          deathmatch, 4 capture the flag, ...)\n"
           "      --game NAME         gamename or fs_game NAME (case ignored)\n"
           "      --max-ping MS       a ping of at most MS milliseconds\n"
           "      --search TEXT       TEXT in the host name, the map or a player's name\n"
           "                          (color codes and case ignored)\n"
           "      --country CC        standing in the country of the two-letter code CC\n"
           "                          (case ignored; from the system's country database)\n"
           "      --buddies           a player of buddies.txt on it; the buddies follow the\n"
           "                          name as a sixth field, separated by commas\n"
           "  join HOST[:PORT] [--wait [--give-up MINUTES]]\n"
           "                          join the server: write the join script (with the\n"
           "                          password of the saved server at that address) and\n"
           "                          start the game; with --wait ask it every 5 seconds\n"
           "                          and join the moment a public place is free (private\n"
           "                          slots do not count), with a desktop notification;\n"
           "                          give up after MINUTES (10); Ctrl+C stops waiting\n"
           "  recent                  list the servers joined, the last joined first, as\n"
           "                          LAST JOINED<TAB>ADDRESS<TAB>NAME<TAB>JOINS<TAB>TIME\n"
           "                          PLAYED (H:MM:SS of the games seen to end, else -)\n"
           "  results [--last N]      read what the game's log gained, then print every\n"
           "                          recorded map (the last N) as DATE TIME<TAB>SETUP<TAB>\n"
           "                          MAP<TAB>GAME TYPE<TAB>END<TAB>PLACE/FIELD<TAB>SCORE<TAB>\n"
           "                          WINNER<TAB>SERVER (the port of a server velkarn served,\n"
           "                          else -)<TAB>DEMO (the demo recorded of it, else -);\n"
           "                          results.sqlite keeps them\n"
           "  demos                   list the demos the game can play (its home and base\n"
           "                          folders, each mod's, their archives), the newest first,\n"
           "                          as DATE TIME<TAB>NAME<TAB>MOD<TAB>MAP<TAB>GAME TYPE<TAB>\n"
           "                          LENGTH<TAB>RECORDER<TAB>OTHERS<TAB>SIZE<TAB>FILE (- for\n"
           "                          the base game or what a damaged demo does not tell)\n"
           "  demo NAME [--print]     print the demo's details as KEY<TAB>VALUE and play it\n"
           "                          (NAME as demos prints it, without .dm_NN, or MOD/NAME);\n"
           "                          with --print print the game's parameters instead\n"
           "  serve NAME [OPTION]... [--print | --unit | --kube | --agones]\n"
           "                          run the rotation of configs/NAME.vkn, with its bots, on\n"
           "                          the game's dedicated server program, in the foreground,\n"
           "                          its output on standard output; a port is served once.\n"
           "                          SIGTERM or SIGINT asks the server to quit (a second one\n"
           "                          meanwhile is the same request, a third kills it); it is\n"
           "                          killed when it has not after 3 seconds. Exit status: 0\n"
           "                          when it quit cleanly, else the engine's own, 128+N\n"
           "                          when signal N ended it (137 when it had to be killed),\n"
           "                          1 when it could not be started. The options given win\n"
           "                          over those kept in configs/NAME.server:\n"
           "      --port N            the server's UDP port (27960)\n"
           "      --hostname TEXT     the server's name\n"
           "      --motd TEXT         the message players see when they join\n"
           "      --max-clients N     players besides the bots, 1 to 64 (4)\n"
           "      --password-file FILE\n"
           "                          the password of the private player slots, on the\n"
           "                          file's first line\n"
           "      --pure, --no-pure   whether players need the server's archives\n"
           "      --rcon-password-file FILE\n"
           "                          the remote console password, on the file's first line\n"
           "      --print             print the server script and the engine's command line;\n"
           "                          write and start nothing\n"
           "      --unit              print a systemd user unit that runs this command\n"
           "      --kube              print Kubernetes manifests for kubectl apply -f -: a\n"
           "                          ConfigMap with the script (passwords masked), a Secret\n"
           "                          with the passwords, and server Pods, each on its own UDP\n"
           "                          host port from --port on\n"
           "      --agones            the same with an Agones Fleet of GameServers instead of\n"
           "                          Pods, whose ports Agones gives\n"
           "      --replicas N        how many servers (1)\n"
           "      --image IMAGE       the image they run (localhost/velkarn-server:VERSION, as\n"
           "                          packaging/container/build-image.sh builds it)\n"
           "      --data-volume CLAIM the PersistentVolumeClaim holding the game's data folder\n"
           "                          (velkarn-game-data), mounted read-only\n"
           "                          What the server Pods run serve with:\n"
           "      --prepared DIR      serve the ConfigMap's script in DIR instead of a setup\n"
           "      --secrets DIR       the Secret's passwords in DIR\n"
           "      --game-data DIR     link the game's archives in DIR where the engine reads\n"
           "                          them; the installation is the one reading DIR's name\n"
           "      --agones-sdk        tell Agones' SDK server on 127.0.0.1 (port\n"
           "                          $AGONES_SDK_HTTP_PORT or 9358) ready, health every 2 s\n"
           "                          while the engine answers, and shutdown; also whenever\n"
           "                          AGONES_SDK_HTTP_PORT is set\n"
           "  rcon HOST[:PORT] [--password-file FILE] COMMAND...\n"
           "                          send COMMAND to the server's remote console with the\n"
           "                          password on the first line of FILE, else of the remote\n"
           "                          console password file of the setup served at that port\n"
           "                          on this machine, else that of $VELKARN_RCON_PASSWORD,\n"
           "                          and print the reply; exit status\n"
           "                          1 when none comes or the server refuses the password\n"
           "\n"
           "Options:\n"
           "  --appdir DIR            keep Velkarn's files in DIR (a portable setup)\n"
           "  --help                  show this text\n"
           "  --version               show the version\n";
}

} // namespace velkarn
