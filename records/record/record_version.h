#pragma once
// The record layer's globals.

#include <cstdint>

// The data version this program writes and the newest it reads. Constant-
// initialised, so records built before start-up already register at it.
extern int32_t g_nDataVersion;

// The version at the head of the file most recently opened (OpenRecordFile); it
// keeps that value until the next open, also when that open fails. Run-time rules
// of replay playback read it. Record loads do not: they take the version from
// their reader, which no other open can change. 836 before any open.
extern int32_t g_nFileVersion;

// 1 when the last open attempt refused its file as newer than g_nDataVersion,
// 0 after any other attempt (a missing file included).
extern int32_t g_bFileTooNew;

// 1: carriage returns are removed from every loaded string. Always 1.
extern int32_t g_bStripCR;
