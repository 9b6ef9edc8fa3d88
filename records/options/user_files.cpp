#include "records/options/user_files.h"

#include "records/project/path_table.h"

const USERFILEDATA g_UserFiles[kUserFileCount] = {
    {"user_data\\Option.dat", kPathOption, true, "options (cOptionData)"},
    {"user_data\\story\\StoryNN.dat", kPathStorySlotPrefix, true, "story save slots (cSaveData)"},
    {"user_data\\challenge\\Challenge.dat", kPathChallengeSave, true, "challenge results (cSaveData)"},
    {"user_data\\story\\*.rkg", kPathRankingStory, true, "story rankings"},
    {"user_data\\challenge\\*.rkg", kPathRankingChallenge, true, "challenge rankings"},
    {"user_data\\free\\*.rkg", kPathRankingFree, true, "free-play rankings"},
    {"user_data\\rpl4\\*.rpl4_*", -1, true, "replays (cInputLog)"},
    {"user_data\\KeyConfig.dat", kPathKeyConfig, false, "key configuration"},
    {"user_data\\Boot.dat", kPathBoot, true, "renderer choice of the start-up dialog"},
    {"user_data\\Window.dat", kPathWindow, true, "window placement"},
};
