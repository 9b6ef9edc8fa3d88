#pragma once
// The validation context of a project's loaded data: what flows, parts and
// stages check their references against once the database and the project
// settings are in memory.

#include "records/database/database.h"
#include "records/script/validate_context.h"
#include "records/settings/system_data.h"

// The sizes of the database's lists, the step durations of its sword types and
// the settings' switch for flagged flows. The palette sizes stay empty and the
// editor switch off: the caller sets them when it has them.
cValidateContext ProjectValidateContext(const cDatabase& database, const cSystemData& settings);
