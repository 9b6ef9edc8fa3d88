#include "records/record/record_version.h"

constinit int32_t g_nDataVersion = 836;
constinit int32_t g_nFileVersion = 836;
constinit int32_t g_bFileTooNew = 0;
constinit int32_t g_bStripCR = 1;
