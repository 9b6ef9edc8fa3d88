#pragma once
// The stage runner: plays a stage of a project without a window, sound or
// clock, and prints its state as JSON lines, so a change to the simulation
// shows as a changed line and a replay can be checked against its run.
//
//   stagerun DIR STAGEFILE [--frames N] [--keys FILE] [--seed N] [--every K]
//                          [--replay FILE] [--save-replay FILE]
//
// DIR is the project folder (start-up's data steps run in it, boxes are
// captured, no working folder is made); STAGEFILE a data path in it, its
// newest numbered version played (write - with --replay). The run is a free
// play of that one stage; --replay plays a replay file instead, until its log
// ends. FILE arguments are relative to the folder the runner started in.
//
// Exit status: 0 after a run, whatever ended it; 1 when the project, the
// stage or the replay does not load (the player's message on standard error);
// 2 for a usage error or a bad keys script.

#include <ostream>
#include <span>
#include <string>

int RunStagerun(std::span<const std::string> args, std::ostream& out, std::ostream& err);
