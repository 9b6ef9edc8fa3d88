#pragma once
// Reading one stage file as a whole, all or nothing.

#include <string_view>

#include "records/record/record.h"
#include "records/script/validate_context.h"
#include "records/stage/stage_data.h"

// Loads the stage file at a data path into a default stage that replaces
// stage only when the whole file loaded (m_strPath, m_bNumbered and m_bLoaded
// of stage are kept either way). A file of kStageEndMarkCheckedFrom or later
// must end right after its end mark. Database sizes come from base; stop,
// when given, is asked between parts. Ok, or why not (a stop gives Damaged).
eRecordFile LoadStageRecordFile(std::string_view path, cStageData& stage, const cValidateContext& base,
                                const StageLoadStop& stop = nullptr);
