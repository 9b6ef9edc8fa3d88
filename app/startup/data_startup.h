#pragma once
// The data steps of start-up, in their order: the data folder (or the default
// copy), the working folders, the database with its runtime tables, the project
// settings, the user's options, the world map and the common palette. Each
// failure shows its message and stops the sequence; the options never fail.
// The player runs them at start-up; the data tool's check runs the same table
// on a project folder, so the order lives here only.

#include <functional>
#include <string>

// What one step did.
struct cDataStepReport {
  const char* lpName = "";  // "database", ...
  bool bOk = false;
  // What the step did beyond loading (CP932; empty when nothing): the default
  // data it copied, the folders it made or found missing.
  std::string strDetail;
};

struct cDataStartupOptions {
  // Called after every step that ran, in order; the failed one last.
  std::function<void(const cDataStepReport&)> onStep;
  // false: working folders that are missing are only named in the step's
  // detail, not created (a check that must leave the project as it is).
  bool bCreateWorkingFolders = true;
};

struct cDataStartupResult {
  bool bOk = false;
  // The steps that completed, in order, for the caller's closing message.
  std::string strReached;
};

// Runs the steps in the current folder, the project folder.
cDataStartupResult RunDataStartup(const cDataStartupOptions& options = {});
