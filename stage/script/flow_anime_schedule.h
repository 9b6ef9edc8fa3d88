#pragma once
// The animation schedule of a flow: a command with its own animation (an
// anime number and no move settings, or a move whose animation is その他)
// starts that animation early enough for its lead-in (the frames before the
// first hold frame) to end as the command begins. Earlier commands make the
// room; parallel ones take no time of the flow. When the room is too short
// the animation starts with the flow, its lead-in cut at the front.
//
//   // wait 5 (30 sub-steps at L 1), then a command with an anime whose lead-in is 12 frames
//   BuildAnimeSchedule(instance);   // {start 18, ...}: 12 sub-steps before the command
//   chara.StartCommandAnimes();     // at each pass: the entries whose start is now

#include <cstdint>

class cFlowInstance;

// The instance's m_AnimeStarts from its commands (states built).
void BuildAnimeSchedule(cFlowInstance& instance);
