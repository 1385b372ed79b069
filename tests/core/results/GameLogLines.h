#pragma once

#include <string>

// Pieces of games.log as the real engine wrote them: the Debian openarena-server package
// (ioquake3 1.36 with OpenArena 0.8.8's game), run with bots on 127.0.0.1 with low limits and
// timescale 5. Lines of no use here ("Item:", and in some "say:" and "tell:") were left out.
namespace velkarn::test {

// One Deathmatch map of three bots to a frag limit of 3, the map restarting after it.
inline const std::string DeathmatchLog =
    R"log(  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\fraglimit\3\timelimit\1\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\g_gametype\0\mapname\oa_dm1\sv_privateClients\0\sv_hostname\noname\sv_maxclients\8\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\0\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 17:23:58
  0:00 Info: ServerInfo length: 784 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 1
  0:00 ClientUserinfoChanged: 2 n\Kyonshi\t\0\model\kyonshi\hmodel\kyonshi\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 2
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 2
  0:18 Kill: 0 2 4: Sarge killed Kyonshi by MOD_GRENADE
  0:18 PlayerScore: 0 1: Sarge now has 1 points
  0:24 Kill: 1 2 7: Grism killed Kyonshi by MOD_ROCKET_SPLASH
  0:24 PlayerScore: 1 1: Grism now has 1 points
  0:30 Kill: 1 0 6: Grism killed Sarge by MOD_ROCKET
  0:30 PlayerScore: 1 2: Grism now has 2 points
  0:32 say: Sarge: Back in my day, frags weren't so cheap.
  0:48 Kill: 1 2 4: Grism killed Kyonshi by MOD_GRENADE
  0:48 PlayerScore: 1 3: Grism now has 3 points
  0:48 Exit: Fraglimit hit.
  0:48 score: 3  ping: 0  client: 1 Grism
  0:48 score: 1  ping: 0  client: 0 Sarge
  0:48 score: 0  ping: 0  client: 2 Kyonshi
  0:49 say: Sarge: nice place oa_dm1, much less dangerous than d3dm2.
  0:49 say: Grism: Yep.
  0:50 say: Kyonshi: That is not the best way to a girl's heart.
  0:51 say: Kyonshi: Aww... crap!
  1:04 ShutdownGame:
  1:04 ------------------------------------------------------------
  1:04 ------------------------------------------------------------
)log";

// Team Deathmatch to the time limit; when the next map's "kick" lines ran, the game logged a
// second "Exit:" with empty team scores.
inline const std::string TeamDeathmatchLog =
    R"log(  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\3\timelimit\1\g_gametype\3\mapname\oa_dm2\sv_privateClients\0\sv_hostname\noname\sv_maxclients\16\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\0\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 17:27:46
  0:00 Info: ServerInfo length: 785 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\1\model\sarge\hmodel\sarge\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\2\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 1
  0:00 ClientUserinfoChanged: 2 n\Major\t\2\model\major\hmodel\major\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 2
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 2
  0:26 Kill: 2 0 7: Major killed Sarge by MOD_ROCKET_SPLASH
  0:26 TeamScore: 2 1: Team 2 now has 1 points
  0:26 PlayerScore: 2 1: Major now has 1 points
  0:39 Kill: 1022 1 16: <world> killed Grism by MOD_LAVA
  0:51 Kill: 1022 2 16: <world> killed Major by MOD_LAVA
  0:51 TeamScore: 2 0: Team 2 now has 0 points
  0:51 PlayerScore: 2 0: Major now has 0 points
  2:04 Kill: 1022 1 16: <world> killed Grism by MOD_LAVA
  2:18 Kill: 1022 1 16: <world> killed Grism by MOD_LAVA
  3:12 Kill: 1 0 3: Grism killed Sarge by MOD_MACHINEGUN
  3:12 TeamScore: 2 1: Team 2 now has 1 points
  3:12 PlayerScore: 1 1: Grism now has 1 points
  3:12 Exit: Timelimit hit.
  3:12 red:0  blue:1
  3:12 score: 1  ping: 0  client: 1 Grism
  3:12 score: 0  ping: 0  client: 0 Sarge
  3:12 score: 0  ping: 0  client: 2 Major
  3:28 ClientDisconnect: 0
  3:28 Exit: Timelimit hit.
  3:28 red:0  blue:0
  3:28 ClientDisconnect: 1
  3:28 ClientDisconnect: 2
  3:28 ShutdownGame:
  3:28 ------------------------------------------------------------
  0:00 ------------------------------------------------------------
)log";

// Tournament: a duel to a frag limit of 2, the loser to the spectators, a warmup that ends in
// a restart of the same map (ShutdownGame without Exit), the next duel.
inline const std::string TournamentLog =
    R"log(  3:28 ------------------------------------------------------------
  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\2\timelimit\1\g_gametype\1\mapname\czest1tourney\sv_privateClients\0\sv_hostname\noname\sv_maxclients\16\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\bot_minplayers\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\767\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 17:28:24
  0:00 Info: ServerInfo length: 811 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 1
  0:07 Kill: 0 1 1: Sarge killed Grism by MOD_SHOTGUN
  0:07 PlayerScore: 0 1: Sarge now has 1 points
  0:10 Kill: 1022 0 16: <world> killed Sarge by MOD_LAVA
  0:10 PlayerScore: 0 1: Sarge now has 1 points
  0:11 Kill: 1022 1 22: <world> killed Grism by MOD_TRIGGER_HURT
  0:11 PlayerScore: 1 1: Grism now has 1 points
  0:11 Exit: Fraglimit hit.
  0:11 score: 2  ping: 0  client: 0 Sarge
  0:11 score: 1  ping: 0  client: 1 Grism
  0:12 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\1\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:12 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\1\skill\ 3.00\tt\0\tl\0\id\
  0:27 Playerstore: Failed to store player. Invalid guid: 
  0:27 ClientUserinfoChanged: 1 n\Grism\t\3\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\1\skill\ 3.00\tt\0\tl\0\id\
  0:27 ClientBegin: 1
  0:27 ShutdownGame:
  0:27 ------------------------------------------------------------
  0:27 ------------------------------------------------------------
  0:27 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\2\timelimit\1\g_gametype\1\mapname\czest1tourney\sv_privateClients\0\sv_hostname\noname\sv_maxclients\16\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\bot_minplayers\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\767\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 17:28:29
  0:27 Info: ServerInfo length: 811 of 1024
  0:27 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\1\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:27 ClientConnect: 0
  0:27 Info: There has been at least 1 bot now
  0:27 Playerstore: Failed to restore player. Invalid guid: 
  0:27 ClientBegin: 0
  0:27 ClientUserinfoChanged: 1 n\Grism\t\3\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\1\skill\ 3.00\tt\0\tl\0\id\
  0:27 ClientConnect: 1
  0:27 ClientBegin: 1
  0:27 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\1\skill\ 3.00\tt\0\tl\0\id\
  0:27 Playerstore: Failed to restore player. Invalid guid: 
  0:27 ClientBegin: 1
  0:44 Kill: 1022 1 22: <world> killed Grism by MOD_TRIGGER_HURT
  0:47 ShutdownGame:
  0:47 ------------------------------------------------------------
  0:47 ------------------------------------------------------------
  0:47 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\2\timelimit\1\g_gametype\1\mapname\czest1tourney\sv_privateClients\0\sv_hostname\noname\sv_maxclients\16\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\bot_minplayers\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\767\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 17:28:33
  0:47 Info: ServerInfo length: 811 of 1024
  0:47 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\1\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:47 ClientConnect: 0
  0:47 Info: There has been at least 1 bot now
  0:47 Playerstore: Failed to restore player. Invalid guid: 
  0:47 ClientBegin: 0
  0:47 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\1\skill\ 3.00\tt\0\tl\0\id\
  0:47 ClientConnect: 1
  0:47 Playerstore: Failed to restore player. Invalid guid: 
  0:47 ClientBegin: 1
  0:54 Kill: 1022 0 22: <world> killed Sarge by MOD_TRIGGER_HURT
  0:54 PlayerScore: 0 0: Sarge now has 0 points
  1:05 Kill: 1022 0 22: <world> killed Sarge by MOD_TRIGGER_HURT
  1:05 PlayerScore: 0 0: Sarge now has 0 points
  1:05 Exit: Fraglimit hit.
  1:05 score: 2  ping: 0  client: 1 Grism
  1:05 score: 0  ping: 0  client: 0 Sarge
  1:06 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\1\l\1\skill\ 3.00\tt\0\tl\0\id\
  1:06 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\1\l\1\skill\ 3.00\tt\0\tl\0\id\
  1:21 Playerstore: Failed to store player. Invalid guid: 
  1:21 ClientUserinfoChanged: 0 n\Sarge\t\3\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\1\l\1\skill\ 3.00\tt\0\tl\0\id\
  1:21 ClientBegin: 0
  1:21 ShutdownGame:
  1:21 ------------------------------------------------------------
  1:21 ------------------------------------------------------------
)log";

// DeathmatchLog with a person added, ^1Ace, as ioquake3 logs people: the same user info without
// "skill" (the dedicated server has no player of its own to log).
inline const std::string DeathmatchWithPlayerLog =
    R"log(  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\fraglimit\3\timelimit\1\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\g_gametype\0\mapname\oa_dm1\sv_privateClients\0\sv_hostname\noname\sv_maxclients\8\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\0\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 17:23:58
  0:00 Info: ServerInfo length: 784 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 1
  0:00 ClientUserinfoChanged: 2 n\Kyonshi\t\0\model\kyonshi\hmodel\kyonshi\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 2
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 2
  0:00 ClientUserinfoChanged: 3 n\^1Ace\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\100\w\0\l\0\tt\0\tl\0\id\
  0:00 ClientConnect: 3
  0:00 ClientBegin: 3
  0:18 Kill: 0 2 4: Sarge killed Kyonshi by MOD_GRENADE
  0:18 PlayerScore: 0 1: Sarge now has 1 points
  0:24 Kill: 1 2 7: Grism killed Kyonshi by MOD_ROCKET_SPLASH
  0:24 PlayerScore: 1 1: Grism now has 1 points
  0:30 Kill: 1 0 6: Grism killed Sarge by MOD_ROCKET
  0:30 PlayerScore: 1 2: Grism now has 2 points
  0:32 say: Sarge: Back in my day, frags weren't so cheap.
  0:48 Kill: 1 2 4: Grism killed Kyonshi by MOD_GRENADE
  0:48 PlayerScore: 1 3: Grism now has 3 points
  0:48 Exit: Fraglimit hit.
  0:48 score: 3  ping: 0  client: 1 Grism
  0:48 score: 2  ping: 48  client: 3 ^1Ace
  0:48 score: 1  ping: 0  client: 0 Sarge
  0:48 score: 0  ping: 0  client: 2 Kyonshi
  0:49 say: Sarge: nice place oa_dm1, much less dangerous than d3dm2.
  0:49 say: Grism: Yep.
  0:50 say: Kyonshi: That is not the best way to a girl's heart.
  0:51 say: Kyonshi: Aww... crap!
  1:04 ShutdownGame:
  1:04 ------------------------------------------------------------
  1:04 ------------------------------------------------------------
)log";

// Velkarn's own two-map rotation ("set m0 ...; vstr m0") on the dedicated server: oa_dm1 to its
// time limit, then oa_dm2, where "kick" drops the first map's bots, stopped with SIGTERM in
// the middle. ("Playerstore:" lines left out too.)
inline const std::string RotationLog =
    R"log(  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\3\timelimit\1\g_gametype\0\mapname\oa_dm1\sv_privateClients\0\sv_hostname\noname\sv_maxclients\16\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\0\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 18:08:16
  0:00 Info: ServerInfo length: 785 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 ClientBegin: 1
  0:00 ClientUserinfoChanged: 2 n\Kyonshi\t\0\model\kyonshi\hmodel\kyonshi\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 2
  0:00 ClientBegin: 2
  0:28 Kill: 1 0 1: Grism killed Sarge by MOD_SHOTGUN
  0:28 PlayerScore: 1 1: Grism now has 1 points
  0:32 Kill: 2 2 7: Kyonshi killed Kyonshi by MOD_ROCKET_SPLASH
  0:36 Kill: 0 1 4: Sarge killed Grism by MOD_GRENADE
  0:36 PlayerScore: 0 1: Sarge now has 1 points
  0:47 Kill: 1 0 6: Grism killed Sarge by MOD_ROCKET
  0:47 PlayerScore: 1 2: Grism now has 2 points
  1:00 Exit: Timelimit hit.
  1:00 score: 2  ping: 0  client: 1 Grism
  1:00 score: 1  ping: 0  client: 0 Sarge
  1:00 score: 0  ping: 0  client: 2 Kyonshi
  1:16 ShutdownGame:
  1:16 ------------------------------------------------------------
  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\20\timelimit\10\g_gametype\0\mapname\oa_dm2\sv_privateClients\0\sv_hostname\noname\sv_maxclients\16\sv_minRate\0\sv_maxRate\0\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\bot_minplayers\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\767\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-08 18:08:31
  0:00 Info: ServerInfo length: 806 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 ClientBegin: 1
  0:00 ClientUserinfoChanged: 2 n\Kyonshi\t\0\model\kyonshi\hmodel\kyonshi\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 2
  0:00 ClientBegin: 2
  0:00 Kill: 1022 0 20: <world> killed Sarge by MOD_SUICIDE
  0:00 ClientDisconnect: 0
  0:00 Kill: 1022 1 20: <world> killed Grism by MOD_SUICIDE
  0:00 PlayerScore: 1 0: Grism now has 0 points
  0:00 ClientDisconnect: 1
  0:00 Kill: 1022 2 20: <world> killed Kyonshi by MOD_SUICIDE
  0:00 PlayerScore: 2 1: Kyonshi now has 1 points
  0:00 ClientDisconnect: 2
  0:00 ClientUserinfoChanged: 0 n\Major\t\0\model\major\hmodel\major\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Gargoyle\t\0\model\gargoyle\hmodel\gargoyle\c1\4\c2\5\hc\90\w\0\l\0\skill\ 3.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 ClientBegin: 1
  0:00 ClientUserinfoChanged: 2 n\Angelyss\t\0\model\angelyss\hmodel\angelyss\c1\4\c2\5\hc\70\w\0\l\0\skill\ 2.00\tt\0\tl\0\id\
  0:00 ClientConnect: 2
  0:00 ClientBegin: 2
  0:15 Kill: 0 1 10: Major killed Gargoyle by MOD_RAILGUN
  0:15 PlayerScore: 0 1: Major now has 1 points
  0:15 Award: 0 2: Major gained the IMPRESSIVE award!
  0:17 Kill: 1022 2 16: <world> killed Angelyss by MOD_LAVA
  0:27 Kill: 1 2 10: Gargoyle killed Angelyss by MOD_RAILGUN
  0:27 PlayerScore: 1 1: Gargoyle now has 1 points
  0:36 Kill: 0 1 10: Major killed Gargoyle by MOD_RAILGUN
  0:36 PlayerScore: 0 2: Major now has 2 points
  0:39 Kill: 0 2 10: Major killed Angelyss by MOD_RAILGUN
  0:39 PlayerScore: 0 3: Major now has 3 points
  0:39 Award: 0 2: Major gained the IMPRESSIVE award!
  0:47 Kill: 1 0 10: Gargoyle killed Major by MOD_RAILGUN
  0:47 PlayerScore: 1 2: Gargoyle now has 2 points
  1:43 Kill: 1 0 10: Gargoyle killed Major by MOD_RAILGUN
  1:43 PlayerScore: 1 3: Gargoyle now has 3 points
  1:43 Kill: 1 2 10: Gargoyle killed Angelyss by MOD_RAILGUN
  1:43 PlayerScore: 1 4: Gargoyle now has 4 points
  1:43 Award: 1 1: Gargoyle gained the EXCELLENT award!
  1:43 Award: 1 2: Gargoyle gained the IMPRESSIVE award!
  1:53 Kill: 1 2 10: Gargoyle killed Angelyss by MOD_RAILGUN
  1:53 PlayerScore: 1 5: Gargoyle now has 5 points
  2:00 ShutdownGame:
  2:00 ------------------------------------------------------------
)log";

// A Tournament then a Deathmatch served by velkarn serve: the engine restarted the finished
// duel (0:20), and serve sent "vstr nextmap" at once, so the restart ended the moment it began.
inline const std::string TournamentHandedOverLog =
    R"log(  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\1\timelimit\2\g_gametype\1\mapname\czest1tourney\sv_privateClients\0\sv_hostname\Alpha Side\sv_maxclients\7\sv_minRate\0\sv_maxRate\10000\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\0\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-09 03:46:40
  0:00 Info: ServerInfo length: 799 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\100\w\0\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\100\w\0\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 1
  0:04 Kill: 1022 1 22: <world> killed Grism by MOD_TRIGGER_HURT
  0:04 PlayerScore: 1 0: Grism now has 0 points
  0:04 Exit: Fraglimit hit.
  0:04 score: 1  ping: 0  client: 0 Sarge
  0:04 score: 0  ping: 0  client: 1 Grism
  0:05 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\100\w\1\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:05 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\100\w\0\l\1\skill\ 5.00\tt\0\tl\0\id\
  0:20 Playerstore: Failed to store player. Invalid guid: 
  0:20 ClientUserinfoChanged: 1 n\Grism\t\3\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\100\w\0\l\1\skill\ 5.00\tt\0\tl\0\id\
  0:20 ClientBegin: 1
  0:20 ShutdownGame:
  0:20 ------------------------------------------------------------
  0:20 ------------------------------------------------------------
  0:20 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\1\timelimit\2\g_gametype\1\mapname\czest1tourney\sv_privateClients\0\sv_hostname\Alpha Side\sv_maxclients\7\sv_minRate\0\sv_maxRate\10000\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\bot_minplayers\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\767\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-09 03:47:00
  0:20 Info: ServerInfo length: 818 of 1024
  0:20 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\100\w\1\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:20 ClientConnect: 0
  0:20 Info: There has been at least 1 bot now
  0:20 Playerstore: Failed to restore player. Invalid guid: 
  0:20 ClientBegin: 0
  0:20 ClientUserinfoChanged: 1 n\Grism\t\3\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\100\w\0\l\1\skill\ 5.00\tt\0\tl\0\id\
  0:20 ClientConnect: 1
  0:20 ClientBegin: 1
  0:20 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\100\w\0\l\1\skill\ 5.00\tt\0\tl\0\id\
  0:20 Playerstore: Failed to restore player. Invalid guid: 
  0:20 ClientBegin: 1
  0:20 ShutdownGame:
  0:20 ------------------------------------------------------------
  0:00 ------------------------------------------------------------
  0:00 InitGame: \com_protocol\71\version\ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 2023\com_gamename\Quake3Arena\dmflags\0\fraglimit\2\timelimit\1\g_gametype\0\mapname\aggressor\sv_privateClients\0\sv_hostname\Alpha Side\sv_maxclients\7\sv_minRate\0\sv_maxRate\10000\sv_dlRate\100\sv_minPing\0\sv_maxPing\0\sv_floodProtect\1\sv_allowDownload\0\bot_minplayers\0\gamename\baseoa\g_maxGameClients\0\videoflags\7\elimflags\0\voteflags\767\capturelimit\8\g_doWarmup\0\g_needpass\0\g_allowVote\1\g_voteGametypes\/0/1/3/4/5/6/7/8/9/10/11/12/\g_voteMaxTimelimit\1000\g_voteMinTimelimit\0\g_voteMaxFraglimit\0\g_voteMinFraglimit\0\g_obeliskRespawnDelay\10\g_enableDust\0\g_enableBreath\0\g_delagHitscan\0\elimination_roundtime\120\g_rockets\0\g_instantgib\0\g_lms_mode\0\g_altExcellent\0\g_timestamp\2026-12-09 03:47:00
  0:00 Info: ServerInfo length: 814 of 1024
  0:00 ClientUserinfoChanged: 0 n\Sarge\t\0\model\sarge\hmodel\sarge\c1\4\c2\5\hc\100\w\0\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Info: There has been at least 1 bot now
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\hmodel\sarge/classic\c1\4\c2\5\hc\100\w\0\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:00 ClientConnect: 1
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 1
  0:00 Kill: 1022 0 20: <world> killed Sarge by MOD_SUICIDE
  0:00 PlayerScore: 0 0: Sarge now has 0 points
  0:00 Playerstore: Failed to store player. Invalid guid: 
  0:00 ClientDisconnect: 0
  0:00 Kill: 1022 1 20: <world> killed Grism by MOD_SUICIDE
  0:00 PlayerScore: 1 1: Grism now has 1 points
  0:00 Playerstore: Failed to store player. Invalid guid: 
  0:00 ClientDisconnect: 1
  0:00 ClientUserinfoChanged: 0 n\Tony\t\0\model\tony\hmodel\tony\c1\4\c2\5\hc\100\w\0\l\0\skill\ 5.00\tt\0\tl\0\id\
  0:00 ClientConnect: 0
  0:00 Playerstore: Failed to restore player. Invalid guid: 
  0:00 ClientBegin: 0
  1:00 Exit: Timelimit hit.
  1:00 score: 0  ping: 0  client: 0 Tony
  1:16 ShutdownGame:
)log";

// A server's log of many hours: the pieces above over and over, each map with its own start
// time, as long as a real server's.
inline std::string longServerLog(int rounds) {
    const std::string pieces[] = {DeathmatchLog, TeamDeathmatchLog, TournamentLog,
                                  DeathmatchWithPlayerLog, RotationLog};
    std::string log;
    for (int round = 0; round < rounds; ++round)
        for (std::string piece : pieces) {
            for (std::size_t at = piece.find("2026-12-08"); at != std::string::npos;
                 at = piece.find("2026-12-08", at))
                piece.replace(at + 8, 2, std::to_string(10 + round % 20));
            log += piece;
        }
    return log;
}

} // namespace velkarn::test
