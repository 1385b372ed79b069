#!/usr/bin/env python3
"""Writes the seed corpora: small, valid examples of every input, as the test fixtures hold
them. Findings are kept beside the seeds (corpus/<name>/finding-*) and are never rewritten.
Run from anywhere; it writes into the corpus folder next to it."""

import io
import os
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
OOB = b"\xff\xff\xff\xff"


def seed(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data.encode("latin-1") if isinstance(data, str) else data)


ARENA = '{\nmap "q3dm1"\nbots "brute scout"\nlongname "Example Arena"\nfraglimit "20"\ntype "ffa tourney team ctf"\n}\n\n'
BOT = '{\nname "Brute"\nmodel "brute"\naifile "bots/brute_c.c"\n}\n{\nname "Mr. Anvil"\n}\n'

# games.log as the real engine writes it (Debian's openarena-server, OpenArena 0.8.8), with
# the InitGame lines' settings shortened and most "Item:" lines left out.
INIT = ("{t} InitGame: \\com_protocol\\71\\version\\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian"
        " linux-x86_64 Jan  8 2023\\g_gametype\\{type}\\mapname\\{map}\\gamename\\baseoa"
        "\\g_timestamp\\2026-12-08 17:23:58\n")
LOG_BOT = "{t} ClientUserinfoChanged: {n} n\\{name}\\t\\{team}\\model\\sarge\\hmodel\\sarge\\c1\\4\\c2\\5\\hc\\90\\w\\0\\l\\0\\skill\\ 3.00\\tt\\0\\tl\\0\\id\\\n"
DEATHMATCH = (
    "  0:00 ------------------------------------------------------------\n"
    + INIT.format(t="  0:00", type=0, map="oa_dm1")
    + LOG_BOT.format(t="  0:00", n=0, name="Sarge", team=0)
    + "  0:00 ClientConnect: 0\n  0:00 ClientBegin: 0\n"
    + LOG_BOT.format(t="  0:00", n=1, name="Grism", team=0)
    + "  0:00 ClientUserinfoChanged: 2 n\\^1Ace\\t\\0\\model\\sarge\\hmodel\\sarge\\c1\\4\\c2\\5\\hc\\100\\w\\0\\l\\0\\tt\\0\\tl\\0\\id\\\n"
    "  0:05 Item: 0 weapon_plasmagun\n"
    "  0:18 Kill: 0 2 4: Sarge killed Ace by MOD_GRENADE\n"
    "  0:18 PlayerScore: 0 1: Sarge now has 1 points\n"
    "  0:30 Kill: 1022 1 16: <world> killed Grism by MOD_LAVA\n"
    "  0:48 Kill: 1 0 6: Grism killed Sarge by MOD_ROCKET\n"
    "  0:48 PlayerScore: 1 3: Grism now has 3 points\n"
    "  0:48 Exit: Fraglimit hit.\n"
    "  0:48 score: 3  ping: 0  client: 1 Grism\n"
    "  0:48 score: 1  ping: 0  client: 0 Sarge\n"
    "  0:48 score: 0  ping: 48  client: 2 ^1Ace\n"
    "  0:49 say: Sarge: nice place oa_dm1, much less dangerous than d3dm2.\n"
    "  1:04 ShutdownGame:\n"
    "  1:04 ------------------------------------------------------------\n")
TEAM = (
    INIT.format(t="  0:00", type=3, map="oa_dm2")
    + LOG_BOT.format(t="  0:00", n=0, name="Sarge", team=1)
    + LOG_BOT.format(t="  0:00", n=1, name="Grism", team=2)
    + "  0:26 TeamScore: 2 1: Team 2 now has 1 points\n"
    "  3:12 Exit: Timelimit hit.\n  3:12 red:0  blue:1\n"
    "  3:12 score: 1  ping: 0  client: 1 Grism\n  3:12 score: 0  ping: 0  client: 0 Sarge\n"
    "  3:28 ClientDisconnect: 0\n  3:28 Exit: Timelimit hit.\n  3:28 red:0  blue:0\n"
    "  3:28 ShutdownGame:\n")
WARMUP = (
    INIT.format(t="  0:27", type=1, map="czest1tourney")
    + LOG_BOT.format(t="  0:27", n=0, name="Sarge", team=0)
    + "  0:44 Kill: 1022 1 22: <world> killed Grism by MOD_TRIGGER_HURT\n"
    "  0:47 ShutdownGame:\n"
    + INIT.format(t="  0:47", type=1, map="czest1tourney"))


def tga(width, height, kind, pixel_bytes, rle=False, descriptor=0x20):
    """An uncompressed or run-length TGA of one colour."""
    colour_map = b""
    header_map = (0, 0, 0, 0)
    if kind == 1:
        colour_map = b"\x00\x00\xff\x00\xff\x00"
        header_map = (1, 0, 2, 24)
    bits = {1: 8, 2: 24, 3: 8}[kind] if pixel_bytes is None else pixel_bytes * 8
    image_type = kind + (8 if rle else 0)
    header = struct.pack("<BBBHHBHHHHBB", 0, header_map[0], image_type, header_map[1],
                         header_map[2], header_map[3], 0, 0, width, height, bits, descriptor)
    size = bits // 8
    if rle:
        body = bytes([0x80 | (width * height - 1)]) + b"\x01" * size
    else:
        body = bytes((x % 7) for x in range(width * height * size))
    return header + colour_map + body


def jpeg():
    """A 16 x 8 baseline JPEG from ImageMagick, when it is there."""
    path = os.path.join(HERE, ".seed.jpg")
    if os.system(f"convert -size 16x8 gradient:red-blue {path} 2>/dev/null") != 0:
        return None
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    return data


def archive(entries, method=zipfile.ZIP_DEFLATED, prefix=b"", comment=b""):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", method) as z:
        for name, data in entries:
            z.writestr(name, data)
        z.comment = comment
    return prefix + buffer.getvalue()


def main():
    seed("arena_text", "arena", ARENA)
    seed("arena_text", "arenas-two", ARENA + ARENA.replace("q3dm1", "q3ctf1"))
    seed("bot_text", "bots", BOT)
    # Names the game's console would run as commands, beside the game's own "Cyber-Garg".
    seed("bot_text", "hostile-names",
         '{\nname "Ann/*x*/echo hello"\n}\n{\nname\tCyber-Garg\n}\n{\nname AC//DC\n}\n'
         '{\nname "a;quit"\n}\n{\nname "x*/y"\n}\n')
    seed("arena_text", "hostile-names",
         '{\nmap "evil//x"\nlongname "Evil\x1b[31m"\n}\n\n{\nmap "a b"\n}\n\n{\nmap "ok"\n}\n')

    record = ("q3dm1.bsp\r\n /games/baseq3/pak0.pk3\r\n Arena Gate\r\n 2\r\n true\r\n false\r\n"
              " true\r\n false\r\nEND\r\n")
    seed("maps_file", "maps", record + record.replace("q3dm1", "q3dm2"))
    seed("maps_file", "cut-inside-a-record", (record * 3)[:len(record) * 2 + 40])
    seed("maps_file", "hostile-name", record.replace("q3dm1", "a/*x"))
    seed("bots_file", "bots", "Anvil\r\nBrute\r\nCyber-Garg\r\nS_Marine\r\n")
    seed("bots_file", "hostile-name", "Anvil\r\nAnn/*x\r\n")
    seed("models_file", "models", "sarge\r\n default\r\n red\r\nEND\r\nvisor\r\n blue\r\nEND\r\n")
    seed("models_file", "unclosed", "sarge\r\n default\r\n *x\r\n")
    seed("mods_file", "mods", "[None]\r\n\r\nCTF Mod\r\n+set fs_game ctfmod +sv_pure 0\r\n")
    seed("path_file", "path", "/usr/share/games/quake3/\r\n+set r_fullscreen 0\r\ndebian-ioquake3\r\n")
    seed("servers_file", "servers",
         "Home \"LAN\"; party\r\n 127.0.0.1:27960\r\n secret\r\nWork\r\n [::1]:27961\r\n \r\n")
    seed("masters_file", "masters",
         "# masters\r\n127.0.0.1:27950 68\r\n\r\n[::1]:27951 71\r\nbad line\r\n127.0.0.1:1:2 68\r\n")
    seed("masters_file", "junk", "127.0.0.1:1:2 68\n" * 200)
    seed("buddies_file", "buddies", "^1Sarge\r\n\r\n  Hank \r\nAngelyss\r\n")
    seed("buddies_file", "hostile-names",
         "two\tparts\r\n" + "x" * 129 + "\r\n\x1b[2J\r\n" + "".join("p%d\n" % i for i in range(300)))
    seed("setup_file", "hostile-names",
         "2\r\nq3dm1\r\n 1\r\n 20\r\n 15\r\n 1\r\n  Bob//x\r\n   3\r\n   Red/*\r\nmissing\r\n"
         " 1\r\n 0\r\n 0\r\n 0\r\nAnn/*x*/echo hello\r\nsarge\r\n*x\r\n50\r\n[None]\r\n")
    seed("serve_options", "server",
         "port=27961\r\nhostname=^1Red Arena\r\nmotd=Hi = there\r\nmaxclients=12\r\npassword=\r\n"
         "pure=1\r\nmaxrate=25000\r\nweaponrespawn=5\r\nallowvote=0\r\nsynchronous=1\r\n"
         "\r\nrconpasswordfile=duel.rcon\r\n")
    seed("setup_file", "setup",
         ";A setup\r\n;with info\r\nq3dm1\r\n1\r\n20\r\n15\r\n2\r\n Brute\r\n 3\r\n Blue\r\n"
         " Scout\r\n 5\r\n \r\nq3ctf1\r\n4\r\n8\r\n10\r\n0\r\n^1Ace\r\nsarge\r\ndefault\r\n50\r\n[None]\r\n")

    seed("game_log", "deathmatch.log", DEATHMATCH)
    seed("game_log", "team-repeated-exit.log", TEAM + DEATHMATCH)
    seed("game_log", "warmup-restart.log", WARMUP + DEATHMATCH.replace("oa_dm1", "czest1tourney"))
    seed("game_log", "cut.log", DEATHMATCH[:DEATHMATCH.index("client: 0 Sarge")])
    seed("game_config", "q3config.cfg",
         "// generated by quake, do not modify\nunbindall\nbind TAB \"+scores\"\n"
         "seta g_logsync \"0\"\nseta g_log \"games.log\"\nseta sv_hostname \"noname\"\n")
    seed("game_config", "autoexec.cfg", "set g_log logs/bots.log; seta name \"^1Ace\" // me\n")

    seed("player_name", "plain", b"\x00\x00Player")
    seed("player_name", "coded", b"\x02\x03^1Red^7White^^x^")

    seed("status_response", "status",
         OOB + b'statusResponse\n\\sv_hostname\\^1Red ^7Arena\\MapName\\q3dm17\\g_gametype\\4'
         b'\\sv_maxclients\\16\\lonely\n12 48 "^1Ace"\n-3 999 "Bot "two"\n7 20 noquotes\n')
    seed("status_response", "bots",
         OOB + b'statusResponse\n\\sv_hostname\\Bots\\g_needpass\\1\\gamename\\baseoa'
         b'\\sv_maxclients\\2\n3 0 "Grism"\n4 45 "Doom" [bot]\n')
    seed("rcon_reply", "status",
         OOB + b"print\nmap: oa_dm1\ncl score ping name            address   rate \n"
         b" 0     0    0 ^1Angel^7yss        ^7bot      16384\n\n")
    seed("rcon_reply", "refusal", OOB + b"print\nBad rconpassword.\n")
    seed("info_string", "info", b"\\sv_hostname\\Arena\\mapname\\q3dm1\\g_gametype\\0\\lonely")
    seed("agones_gameserver", "gameserver.json",
         b'{"object_meta":{"name":"velkarn-duel-8xk2p-q7wzn","namespace":"default",'
         b'"uid":"1f0c2d3e","resource_version":"4121","generation":"1",'
         b'"creation_timestamp":"1700000000","annotations":{"agones.dev/sdk-version":"1.38.0"},'
         b'"labels":{"agones.dev/fleet":"velkarn-duel"}},"status":{"state":"Scheduled",'
         b'"address":"127.0.0.1","ports":[{"name":"game","port":7412}]}}')
    seed("agones_gameserver", "camel-case.json",
         b'{"objectMeta":{"name":"gs"},"status":{"state":"Ready","ports":[{"name":"other",'
         b'"port":"7100"},{"name":"game","port":7101.5}]}}')
    seed("agones_gameserver", "bad-ports.json",
         b'{"status":{"ports":[{"port":1e308},{"port":-7},{}]}}')

    def server(a, b, c, d, port):
        return b"\\" + bytes([a, b, c, d]) + struct.pack(">H", port)
    seed("master_response", "servers",
         OOB + b"getserversResponse" + server(127, 0, 0, 1, 27960) + server(127, 0, 0, 1, 27961)
         + b"\\EOT\x00\x00\x00")
    loopback6 = b"/" + bytes(15) + b"\x01"
    seed("master_response", "both-families",
         OOB + b"getserversExtResponse" + server(127, 0, 0, 1, 27960)
         + loopback6 + struct.pack(">H", 27961) + b"\\EOT\x00\x00\x00")

    seed("tga_image", "truecolour", tga(4, 3, 2, 3))
    seed("tga_image", "alpha-bottom-up", tga(3, 2, 2, 4, descriptor=0x08))
    seed("tga_image", "rle", tga(4, 4, 2, 3, rle=True))
    seed("tga_image", "colour-mapped", tga(4, 2, 1, 1))
    seed("tga_image", "grey-rle", tga(3, 3, 3, 1, rle=True))

    picture = jpeg()
    if picture:
        seed("jpeg_levelshot", "levelshot.jpg", picture)

    shot = picture or tga(4, 3, 2, 3)
    seed("zip_archive", "map.pk3", archive([
        ("maps/q3dm1.bsp", b"IBSP" + bytes(60)),
        ("scripts/q3dm1.arena", ARENA),
        ("levelshots/q3dm1.jpg", shot),
        ("scripts/bots.txt", BOT)]))
    seed("zip_archive", "stored-with-comment.pk3",
         archive([("models/players/sarge/head.md3", b"IDP3" + bytes(28)),
                  ("models/players/sarge/head_red.skin", "h_head,models/red.tga\n")],
                 zipfile.ZIP_STORED, comment=b"made for the seed corpus"))
    seed("zip_archive", "hostile-names.pk3", archive([
        ("maps/a\nb.bsp", b"IBSP"),
        ("maps/x;quit.bsp", b"IBSP"),
        ("models/players/sarge/head.md3", b"IDP3" + bytes(28)),
        ("models/players/sarge/head_*x.skin", "h_head,models/red.tga\n"),
        ("scripts/hostile.bot", '{\nname "Ann/*x*/echo hello"\n}\n')]))
    seed("zip_archive", "data-in-front.pk3",
         archive([("scripts/a.arena", ARENA)], prefix=b"MZ" + bytes(62)))


if __name__ == "__main__":
    main()
