#pragma once
// The story save slots: files user_data\story\Story01.dat to Story99.dat, each
// a whole save data, and their headers (used or not, and when saved) that the
// slot list shows. The slots themselves are loaded and written by
// cSaveData::LoadSlot and cSaveData::SaveSlot.

#include <cstdint>
#include <string>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"
#include "records/save/save_data.h"
#include "records/save/save_time.h"

class cSaveSlotInfo : public cRecordOf<cSaveSlotInfo> {
 public:
  int32_t m_bUsed = 0;
  SAVETIME m_stTime;

  cSaveSlotInfo() { RegisterFields(g_nDataVersion); }

  void RegisterFields(int32_t nVersion) override;

  // Used, saved at data's save time.
  void Set(const cSaveData& data);
  // What the slot list shows for the slot: "YYYY/MM/DD hh:mm\n", or "" when
  // the slot is empty.
  std::string TimeText() const;
};

// The headers of the 99 slots, loaded when the slot list is first needed and
// refreshed by every successful SaveSlot.
extern cVector<cSaveSlotInfo> g_SaveSlots;

// out = the data path of slot n: "user_data\story\Story" and n + 1 as at least
// two digits, ".dat".
void MakeSaveSlotPath(std::string& out, int32_t n);

// Reads the header of every slot of slots (slot n from Story<n + 1>.dat): a slot
// whose file is missing, too new or cannot be loaded is empty (it could not be
// loaded either); otherwise it is used with the file's save time.
void LoadSaveSlotHeaders(cVector<cSaveSlotInfo>& slots);
