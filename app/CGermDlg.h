#pragma once
// The game window: owns every field and hazard of the game and runs it. The
// host drives it through OnInitDialog, OnTimer and OnCommand.
//
// One frame (timer 101, every 65 ms), in this order: backdrop; in state 0 the
// progress file is read and the "Start" menu set; in states 1 to 12 the menu
// is greyed and the state runs (countdown or level script), then, if the
// state is still 1 to 11, the germ is steered against the walls; in state 12
// (also when a level has just moved on to it) one step of the Ending Act;
// last, the finished surface is shown. Timers 103 and 104 release one hazard
// of their wave per tick between frames.
#include <functional>
#include <string>
#include <string_view>

#include "app/CSaveGames.h"
#include "app/LevelScript.h"
#include "ending/EndingAct.h"
#include "platform/DrawingContext.h"
#include "platform/Platform.h"

class CDrifter;
class CBurster;
class CChaser;
class CGrabber;
class CSyringe;

class CGermDlg {
public:
    explicit CGermDlg(Platform& platform);
    ~CGermDlg();
    CGermDlg(const CGermDlg&) = delete;
    CGermDlg& operator=(const CGermDlg&) = delete;

    // Driven by the host.
    void OnInitDialog();
    void OnTimer(int nId);
    void OnCommand(int nCommandId);

    // Frame loop and states (CGermDlg.cpp, GameStates.cpp).
    void DrawFrame();
    void DisableStartMenu();
    void RunState(DrawingContext& dc);
    void RunCountdown(DrawingContext& dc);
    void DrawBanner(DrawingContext& dc, std::string_view strText);
    void ResetGermPos();
    void CompleteLevel();
    void ClearLevel();

    // The level protocol (LevelProtocol.cpp) and the ten scripts (levels/).
    void RunLevel(DrawingContext& dc, const LevelScript& script);
    void RunLevel1(DrawingContext& dc);
    void RunLevel2(DrawingContext& dc);
    void RunLevel3(DrawingContext& dc);
    void RunLevel4(DrawingContext& dc);
    void RunLevel5(DrawingContext& dc);
    void RunLevel6(DrawingContext& dc);
    void RunLevel7(DrawingContext& dc);
    void RunLevel8(DrawingContext& dc);
    void RunLevel9(DrawingContext& dc);
    void RunFinalLevel(DrawingContext& dc);
    bool AnyFirstWaveActive() const;

    // Progress file and level menu (ProgressMenu.cpp).
    void LoadProgress();
    void SaveProgress();
    void RefreshLevelMenu();

    void DrawBackdrop(DrawingContext& dc);

    // The germ (germ/).
    Point GetGermPos();
    void SteerGerm();
    void KillGerm();
    // The contact rule of every hazard: a germ inside rc or on its edges dies.
    // 1 after the death (every hazard is gone by then), else 0.
    int KillGermInside(const Rect& rc);

    // The first wave (hazards/Drifter*.cpp).
    void DrawDrifter(CDrifter drifter, DrawingContext& dc);
    int DrifterHitsGerm(CDrifter drifter);
    int UpdateFirstWave(DrawingContext& dc, int nSpeed, int bRunning);

    // The second wave (hazards/BursterWave.cpp).
    void DrawBurster(CBurster burster, DrawingContext& dc);
    int BursterHitsGerm(CBurster burster);
    int UpdateSecondWave(DrawingContext& dc, int bRunning);

    // The chaser (hazards/ChaserCell.cpp).
    void DrawChaser(DrawingContext& dc);
    int ChaserHitsGerm();
    int UpdateChaser(DrawingContext& dc, int nSpeed, int bRunning);

    // The grabber (hazards/GrabberCell.cpp).
    void DrawGrabber(DrawingContext& dc);
    void GrabGerm(DrawingContext& dc);
    int GrabberHitsGerm();
    int UpdateGrabber(DrawingContext& dc, int bRunning);

    // The syringes (hazards/SyringeWave.cpp).
    void DrawSyringe(DrawingContext& dc, CSyringe syringe);
    void DrawSpray(DrawingContext& dc, CSyringe syringe);
    int SyringeHitsGerm(CSyringe syringe, DrawingContext& dc);
    int UpdateSyringes(DrawingContext& dc, int bRunning);

    // The Ending Act (ending/).
    void RunEndingAct(DrawingContext& dc);
    void BeatHeart(const std::function<void(int, int)>& drawHeart);
    void ShakeWindow();
    void Splatter(DrawingContext& dc);

    // Help menu.
    void OnInstructions();
    void OnAbout();

    Platform& GetPlatform() { return m_platform; }

    // Fields of the game window, in the game's own order. Public so that the
    // levels, hazards and tests read them as one record of play.
    int m_nEndingFrame = 0;
    int m_nSyringeCount = 0;
    CSyringe* m_pSyringes = nullptr;
    int m_nProgress = 0;
    CSaveGames m_saveGames;
    CGrabber* m_pGrabber = nullptr;
    int m_nWallHits = 0;
    int m_nPushFrames = 0;
    std::string m_strPushDir = "Nowhere";
    CChaser* m_pChaser = nullptr;
    int m_nSecondWaveCount = 0;
    int m_nFirstWaveReleased = 0;
    int m_nSecondWaveReleased = 0;
    int m_nFirstWaveCount = 0;
    CDrifter* m_pFirstWave = nullptr;
    CBurster* m_pSecondWave = nullptr;
    int m_nFrame = 0;
    int m_nState = 0;
    Rect m_rcClient;
    EndingActValues m_ending;

private:
    template <class THazard>
    void ReleaseNext(THazard* pWave, int nCount, int& nReleased, int nTimerId);
    void DeleteHazards();
    void SetUpLevel(const LevelScript& script);
    void SpawnGroup(HazardGroup group, const LevelScript& script);
    void SetDrifterModes(const LevelScript& script);
    int UpdateGroup(DrawingContext& dc, HazardGroup group, const LevelScript& script, int bRunning);
    void DrawCentredText(DrawingContext& dc, std::string_view strText);

    Platform& m_platform;
    bool m_bCursorBoxOpen = false;         // one "cannot read the cursor" box at a time
    bool m_bSaveFailureReported = false;   // a failing save is reported once a run
};
