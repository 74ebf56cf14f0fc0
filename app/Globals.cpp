// Every document and service of the editor is one global object, constructed here in one fixed
// order before WinMain and destroyed in the reverse order after it. The windows, canvases and the
// worker thread exist only in the Windows build; the native build keeps the others in the same order.
#include "app/DataPaths.h"
#include "app/cAnimePlayer.h"
#include "app/cApplication.h"
#include "app/cBgmManager.h"
#include "app/cEditConfig.h"
#include "app/cMciSound.h"
#include "database/cDatabaseSet.h"
#include "app/cStateStack.h"
#include "app/cValInfoData.h"
#include "project/cProjectSettings.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "project/cWorldMapEditState.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

#ifdef _WIN32
#include "app/win/cCanvas.h"
#include "app/win/cMainFrame.h"
#include "app/win/cWorkerThread.h"
#include "ui/win/cModelessList.h"
#endif

cString g_DataPaths[kDataPathCount] = {
    "data\\",
    "default\\",
    "data\\stg4\\old_ver\\",
    "data\\work\\",
    "e_data\\EditConfig.dat",
    "data\\PrjOption.dat",
    "default\\PrjOption.dat",
    "data\\CommonPalette.cplt4",
    "default\\CommonPalette.cplt4",
    "data\\GValInfo.dat",
    "default\\GValInfo.dat",
    "data\\stg4\\Default.stg4_***",
    "default\\stg4\\Default.stg4_***",
    "data\\WorldMap.dat",
    "default\\WorldMap.dat",
    "data\\database\\AnimeSet.dat",
    "default\\database\\AnimeSet.dat",
    "data\\database\\Anime.dat",
    "default\\database\\Anime.dat",
    "data\\database\\Bmp_CharaExc.dat",
    "default\\database\\Bmp_CharaExc.dat",
    "data\\database\\SwordType.dat",
    "default\\database\\SwordType.dat",
    "data\\database\\Effect.dat",
    "default\\database\\Effect.dat",
    "data\\database\\CharaEffect.dat",
    "default\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat",
    "default\\database\\ScrEffect.dat",
    "data\\database\\Picture.dat",
    "default\\database\\Picture.dat",
    "data\\database\\Sound.dat",
    "default\\database\\Sound.dat",
    "data\\database\\Bgm.dat",
    "default\\database\\Bgm.dat",
    "data\\System.dat",
    "default\\System.dat",
    "data\\stg4\\c",
    "user_data\\story\\",
    "user_data\\challenge\\",
    "user_data\\free\\",
    "user_data\\story\\Story",
    "user_data\\challenge\\Challenge.dat",
    "user_data\\Option.dat",
    "user_data\\",
    "user_data\\KeyConfig.dat",
    "user_data\\Boot.dat",
    "user_data\\Window.dat",
};

cString g_FileExtensions[kExtensionCount] = {"cplt4", "stg4", "plt4", "rkg"};

cString g_InvincibleColourNames[kInvincibleColourCount] = {
    "なし", "白", "黒", "赤", "緑", "青", "黄", "赤紫", "青紫", "4色", "",
};

cStateStack g_StateStack;
cStageEditState g_StageEditState;
cEditConfig EditConfig;
cProjectSettings g_ProjectSettings;
cVector<cValInfoData> g_vValInfo;
cWorldMapEditState g_WorldMapEditState;

#ifdef _WIN32
cModelessList g_ModelessList;
cMainFrame g_MainFrame;
cWorkerThread g_WorkerThread;
#endif

cApplication App;
// The stage and the common palette name their lists as the palettes that records refer to.
cStageDoc g_StageDoc(kPaletteStage);
cWorldMapDoc g_WorldMap;
cPaletteDoc g_CommonPalette(kPaletteCommon);
cSystemSettings g_SystemSettings;
cDatabaseSet g_DatabaseSet;

#ifdef _WIN32
cVector<cCanvas> g_vCharaExcCanvas;
cCanvas g_aSheetCanvas[kSheetCanvasCount];
#endif

cAnimePlayer g_AnimePlayer;
cBgmManager g_BgmManager;

// Made here too, though nothing depends on their place in the order.
cString g_PaletteSourceNames[kPaletteSourceCount] = {
    "上記ステージのパレットをそのまま使用", "データなし", "コモンパレットをコピー", "ステージパレットファイルからコピー", "",
};
cMciSound g_MciSound;
int32_t g_bTestPlayRunning = 0;
