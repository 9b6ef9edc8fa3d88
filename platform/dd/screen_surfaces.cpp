#include "platform/dd/screen_surfaces.h"

#include "core/globals/global_order.h"
#include "platform/dd/display_state.h"

VP_GLOBAL(kGlobalSDPrimary, DDSURFACEDATA g_SDPrimary);
VP_GLOBAL(kGlobalSDBackBuffer, DDSURFACEDATA g_SDBackBuffer);
VP_GLOBAL(kGlobalSDScreenCopy, DDSURFACEDATA g_SDScreenCopy);
VP_GLOBAL(kGlobalSDVirBackBuffer, DDSURFACEDATA g_SDVirBackBuffer);
VP_GLOBAL(kGlobalSDWork, DDSURFACEDATA g_SDWork);

bool DDIsFullScreenBackBuffer(const DDSURFACEDATA* lpSD) {
  return lpSD == &g_SDBackBuffer && g_bWindowMode.load() == 0;
}
