#pragma once
// The data steps of start-up, in their order: the data folder (or the default
// copy) and the working folders, the database with its runtime tables, and the
// project settings. Each failure shows its message and stops the sequence.

#include <string>

struct cDataStartupResult {
  bool bOk = false;
  // The steps that completed, in order, for the caller's closing message.
  std::string strReached;
};

cDataStartupResult RunDataStartup();
