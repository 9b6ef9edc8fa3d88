#pragma once
// cPicture: a picture shown by the picture command.

#include "records/database/media_entry.h"

class cPicture : public cRecordOf<cPicture, cMediaEntry> {
 public:
  cPicture() { ClearFields(); }
};
