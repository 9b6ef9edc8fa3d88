#include "records/stage/load_stage_file.h"

#include <atomic>
#include <string>

#include "core/globals/worker_threads.h"
#include "core/log/ec_log.h"
#include "core/mesbox/error_mesbox.h"
#include "core/path/numbered_file.h"
#include "core/path/path_relative.h"
#include "core/thread/messages.h"
#include "core/thread/park_gate.h"
#include "core/thread/thread_queue.h"
#include "core/thread/window_queue.h"
#include "records/project/path_table.h"
#include "records/stage/stage_end_mark.h"
#include "records/stage/stage_file.h"
#include "records/stage/stage_globals.h"

namespace {

std::atomic<bool> g_bStageLoadsStopped{false};

// One load handed to thLoad. The waiter owns it and reads it only after the
// thread has ended.
struct cStageLoadJob {
  std::string strPath;
  cValidateContext context;  // the caller's, taken before the thread starts
  std::atomic<bool> bStop{false};
  cStageData stage;
  bool bLoaded = false;
  bool bStopped = false;
};

enum class eWaitEnd { Ended, Quit };

// Whether the waiting thread has been asked to quit. The request is only
// looked at, never taken: the thread's own loop still sees it. The window
// thread dispatches nothing while it waits, so a WM_QUIT posted to it is the
// oldest message or comes after one its pump has not seen yet.
bool WaiterQuitRequested() {
  if (!IsWindowThread()) return ThreadQuitRequested();
  MSG msg;
  return g_hWnd->HasQuit() || (PeekMessage(&msg, g_hWnd, false) && msg.message == WM_QUIT);
}

eWaitEnd WaitForLoader(cStageLoadJob& job) {
  WaitServingSends([] { return thLoad.HasEnded() || WaiterQuitRequested(); });
  // A quit wins over a load that ended meanwhile: the thread is on its way out.
  if (!WaiterQuitRequested()) {
    thLoad.Wait();
    return eWaitEnd::Ended;
  }
  EcLog("msg.message == WM_QUIT");
  job.bStop = true;
  thLoad.Exit();
  return eWaitEnd::Quit;
}

// The path of the stage file to read; false when a numbered search found none.
bool StagePath(std::string_view name, int32_t numbered, std::string& path) {
  if (numbered) {
    if (!FindNewestNumbered(path, name, g_ExtTable[kExtStage])) return false;
  } else {
    path.assign(name);
  }
  PathToRelativeStr(path);
  return true;
}

int LoadFailed(const std::string& path) {
  ErrMesBoxF("ステージファイル %s の読み込みに失敗しました！", path.c_str());
  return 0;
}

void Commit(cStageLoadJob& job, int32_t numbered, cStageData* initial, cCharaDef* heroDef) {
  g_Stage = std::move(job.stage);
  g_Stage.m_strPath = job.strPath;
  g_Stage.m_bNumbered = numbered;
  g_Stage.m_bLoaded = 1;
  if (initial != nullptr) initial->TakeHeaderOf(g_Stage);
  if (heroDef != nullptr) *heroDef = g_Stage.m_PlacedCharas.CheckedVectorAt(g_Stage.FindHero());
}

}  // namespace

unsigned LoadStageThreadProc(void* argument) {
  cStageLoadJob& job = *static_cast<cStageLoadJob*>(argument);
  const StageLoadStop stop = [&job] {
    ParkPoint();
    job.bStopped = job.bStop || g_bStageLoadsStopped || ThreadQuitRequested();
    return job.bStopped;
  };
  job.bLoaded = LoadStageRecordFile(job.strPath, job.stage, job.context, stop) == eRecordFile::Ok;
  return job.bLoaded ? 1 : 0;
}

int LoadStageFile(std::string_view name, int32_t numbered, cStageData* initial, cCharaDef* heroDef) {
  cStageLoadJob job;
  if (!StagePath(name, numbered, job.strPath)) return 0;
  if (!CheckStageEndMark(job.strPath)) return 0;
  if (g_bStageLoadsStopped) return 0;
  job.context = CurrentValidateContext();
  if (!thLoad.Start(LoadStageThreadProc, &job)) return LoadFailed(job.strPath);
  if (WaitForLoader(job) == eWaitEnd::Quit || job.bStopped) return 0;
  if (!job.bLoaded) return LoadFailed(job.strPath);
  if (!job.stage.HasHero()) {
    ErrMesBoxF("主人公が配置されていないのでプレイできません！");
    PostMessage(g_hWnd, WM_CLOSE, 0, 0);
    return 0;
  }
  Commit(job, numbered, initial, heroDef);
  return 1;
}

void StopStageLoads() { g_bStageLoadsStopped = true; }

void AllowStageLoads() { g_bStageLoadsStopped = false; }
