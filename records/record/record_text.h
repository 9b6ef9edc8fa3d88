#pragma once
// The text of a record string: its limits, and how it is stored.

#include <cstddef>
#include <string>
#include <string_view>

#include "records/io/record_reader.h"
#include "records/io/record_writer.h"

// Longest text a record string holds, in bytes (without the terminating zero).
constexpr std::size_t kMaxRecordText = 5119;

// Removes every carriage return (byte 13).
void RemoveCarriageReturns(std::string& text);

// Cuts text at its first zero byte and to at most kMaxRecordText bytes, on a
// character boundary of code page 932, so the result can always be saved and
// loaded back unchanged.
void LimitRecordText(std::string& text);

// A stored string: int32 L = length + 1, then, unless L is 1, the text and a
// zero byte. Reads one into text: the bytes up to the zero, limited as
// LimitRecordText does. False (and the reader failed) when L is below 1, runs
// past the end, or the L bytes hold no zero byte: such a file is damaged, and
// guessing where its text ends could only pass the damage on.
bool ReadStoredText(cRecordReader& reader, std::string& text);

// Writes text in the stored form, after limiting it in place as LimitRecordText
// does, so the string holds exactly what a load gives back.
void WriteStoredText(cRecordWriter& writer, std::string& text);
