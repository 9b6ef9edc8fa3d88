#pragma once
// Lists of strings appended to the settings record: int32 count, then each string
// in the stored form of record strings. Unlike the record's own strings they keep
// their carriage returns: the texts are shown as the editor wrote them.

#include <string>

#include "core/containers/checked_vector.h"
#include "records/io/record_reader.h"
#include "records/io/record_writer.h"

// The list becomes exactly what the file holds.
bool LoadStringList(cRecordReader& reader, cVector<std::string>& list);
// Each string is first limited to what a load gives back, and stays so.
void WriteStringList(cRecordWriter& writer, cVector<std::string>& list);
