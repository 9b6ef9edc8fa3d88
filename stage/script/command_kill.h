#pragma once
// A command ending a chara (消滅, the 消滅 state of ステータスの操作2): an
// ordinary chara vanishes, the hero loses its HP; both go at the next kill
// pass. The kill pass only runs on request, so a command ending a chara other
// than the one running it asks for it.

class cCharaBase;
class cStagePlay;

void KillByCommand(cStagePlay& play, cCharaBase& chara, const cCharaBase* lpRunner);
