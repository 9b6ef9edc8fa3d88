#pragma once
// The program's four worker thread objects. Each holds no thread until started;
// destroying one at exit ends a thread it still holds (cThread::Exit).

#include "core/thread/thread.h"

extern cThread thGame;     // the frame loop
extern cThread thPause;    // the wait screen over a frozen stage
extern cThread thRanking;  // the ranking display after name entry
extern cThread thLoad;     // the load of one stage file
