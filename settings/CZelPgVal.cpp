#include "settings/CZelPgVal.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatWindow.h"
#include "settings/ILsnFont.h"
#include "settings/MemorySettings.h"
#include "texts/RsltsKeeping.h"

#include <algorithm>

namespace {
const char* const kGnrl = "Gnrl";
const char* const kViewMode = "ViewMode";
const char* const kOpBrAll = "OpBrAll";

void Read(ISttngs& s, const char* sec, const char* par, CZelChoice& c) { s.RdValue(sec, par, &c.m_Value); }
} // namespace

int CZelChoice::Shown() const
{
    const int item = m_Value - m_First;
    if (item >= 0 && item < m_Count)
        return item;
    const auto more = std::find(m_More.begin(), m_More.end(), m_Value);
    return more == m_More.end() ? -1 : m_Count + static_cast<int>(more - m_More.begin());
}

void CZelChoice::Pick(int item)
{
    if (item >= 0 && item < m_Count)
        m_Value = m_First + item;
    else if (item >= m_Count && item < Count())
        m_Value = m_More[static_cast<std::size_t>(item - m_Count)];
}

int CZelTmOutBlock::RangeMin() const
{
    return TmOutMinItemMs(std::clamp(m_MinTimeOut.m_Value, 0, TMOUT_MIN_ITEMS - 1));
}

int CZelTmOutBlock::RangeMax() const
{
    return TmOutMaxItemMs(std::clamp(m_MaxTimeOut.m_Value, 0, TMOUT_MAX_ITEMS - 1));
}

void CZelTmOutBlock::KeepInRange() { m_TimeOut = std::clamp(m_TimeOut, RangeMin(), RangeMax()); }

void CZelTmOutBlock::Load(ISttngs& s)
{
    Read(s, m_SecName, "MinTimeOut", m_MinTimeOut);
    Read(s, m_SecName, "MaxTimeOut", m_MaxTimeOut);
    s.RdValue(m_SecName, "TimeOut", &m_TimeOut);
    // The slider cannot stand outside its range: what it shows, and OK stores, is the nearest end.
    KeepInRange();
}

void CZelTmOutBlock::Store(ISttngs& s)
{
    s.WrValue(m_SecName, "MinTimeOut", m_MinTimeOut.m_Value);
    s.WrValue(m_SecName, "MaxTimeOut", m_MaxTimeOut.m_Value);
    s.WrValue(m_SecName, "TimeOut", m_TimeOut);
}

CZelPgVal::~CZelPgVal() = default;

void CZelPgVal::Open()
{
    if (p_ISttngs)
        return;
    if (g_pILsnAFc)
        p_ISttngs.reset(g_pILsnAFc->Create_ISttngs(m_SttngsType));
    if (!p_ISttngs)
        LogFatal("%s", m_OpenFailure);
    Load();
}

void CZelPgVal::Default()
{
    Open();
    if (p_ISttngs->SetDefault() != 0)
        LogFatal("%s", m_DefaultFailure);
    Load();
}

void CZelPgVal::Ok()
{
    // A page that was never opened has loaded nothing and writes nothing.
    if (!p_ISttngs)
        return;
    g_SettingsChanged = 1;
    Store();
    AfterStore();
}

CZelPgVal_01::CZelPgVal_01()
    : CZelPgVal(1, "\nCZelPrprtPg_01::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
                "\nCZelPrprtPg_01::OnButton_Default(), error after p_ISttngs->SetDefault() ")
{
}

void CZelPgVal_01::Load()
{
    Read(*p_ISttngs, kGnrl, "Logging", m_Logging);
    Read(*p_ISttngs, kGnrl, "KBoard", m_KBoard);
    Read(*p_ISttngs, kGnrl, "InterfaceLanguage", m_InterfaceLanguage);
    // A section an older program folder may lack: its default then, never a fatal read.
    m_WhenDropped.m_Value = rslts::WhenDropped();
    m_ResultsFolder = rslts::ResultsFolder();
}

void CZelPgVal_01::Font()
{
    if (!g_pILsnFont || g_pILsnFont->LoadFromDialog() != 0)
        LogFatal("\nCZelPrprtPg_01::OnButton_Font(), error after g_pILsnFont->LoadFromDialog()");
}

void CZelPgVal_01::Store()
{
    p_ISttngs->WrValue(kGnrl, "KBoard", m_KBoard.m_Value);
    p_ISttngs->WrValue(kGnrl, "Logging", m_Logging.m_Value);
    p_ISttngs->WrValue(kGnrl, "InterfaceLanguage", m_InterfaceLanguage.m_Value);
    if (rslts::HasSection())
        p_ISttngs->WrValue(rslts::kSection, "WhenDropped", m_WhenDropped.m_Value);
    // A folder the settings file could not hold is not stored; the one before stays.
    if (rslts::HasSection() && !rslts::WriteResultsFolder(m_ResultsFolder))
        LogMsg("\nCZelPgVal_01::Store(), error, the results folder cannot be stored");
}

void CZelPgVal_01::AfterStore()
{
    int kBoard = 0;
    p_ISttngs->RdValue(kGnrl, "KBoard", &kBoard);
    if (g_pIKbrd)
        g_pIKbrd->SetKbrdType(kBoard + KBRD_TYPE_KEYBOARD);
    int language = 0;
    p_ISttngs->RdValue(kGnrl, "InterfaceLanguage", &language);
    if (g_pILocal && language != g_pILocal->GetLanguage() && g_hWndView)
        g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
}

CZelPgVal_02::CZelPgVal_02()
    : CZelPgVal(2, "\nCZelPrprtPg_02::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
                "\nCZelPrprtPg_02::OnBUTTONDefault(), error after p_ISttngs->SetDefault()")
{
}

void CZelPgVal_02::Load()
{
    Read(*p_ISttngs, kViewMode, "Direction", m_Direction);
    Read(*p_ISttngs, kViewMode, "Mode", m_Mode);
}

void CZelPgVal_02::Store()
{
    p_ISttngs->WrValue(kViewMode, "Direction", m_Direction.m_Value);
    p_ISttngs->WrValue(kViewMode, "Mode", m_Mode.m_Value);
}

CZelPgVal_04_ToV::CZelPgVal_04_ToV()
    : CZelPgVal(3, "\nCZelPrprtPg_04_ToV::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
                "\nCZelPrprtPg_04_ToV::OnBUTTONDefault(), error after p_ISttngs->SetDefault()")
{
}

void CZelPgVal_04_ToV::Load()
{
    m_InWh.Load(*p_ISttngs);
    m_WbW.Load(*p_ISttngs);
}

void CZelPgVal_04_ToV::Store()
{
    m_InWh.Store(*p_ISttngs);
    m_WbW.Store(*p_ISttngs);
}

CZelPgVal_05_OpBrV::CZelPgVal_05_OpBrV()
    : CZelPgVal(4, "\nCZelPrprtPg_05_OpBrV::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
                "\nCZelPrprtPg_05_OpBrV::OnButton_Default(), error after p_ISttngs->SetDefault() ")
{
}

void CZelPgVal_05_OpBrV::Load()
{
    Read(*p_ISttngs, kOpBrAll, "MatchCase", m_MatchCase);
    Read(*p_ISttngs, kOpBrAll, "ScreenSz", m_ScreenSz);
}

void CZelPgVal_05_OpBrV::Store()
{
    p_ISttngs->WrValue(kOpBrAll, "MatchCase", m_MatchCase.m_Value);
    p_ISttngs->WrValue(kOpBrAll, "ScreenSz", m_ScreenSz.m_Value);
}

CZelPgVal_06_AddBr::CZelPgVal_06_AddBr()
    : CZelPgVal(5, "\nCZelPrprtPg_06_AddBr::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
                "\nCZelPrprtPg_06_AddBr::OnBUTTONDefault(), error after p_ISttngs->SetDefault()")
{
}

void CZelPgVal_06_AddBr::Load() { m_AddBrTo.Load(*p_ISttngs); }

void CZelPgVal_06_AddBr::Store() { m_AddBrTo.Store(*p_ISttngs); }

CZelPgVal_07_Speech::CZelPgVal_07_Speech()
    : CZelPgVal(6, "\nCZelPrprtPg_07_Speech::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
                "\nCZelPrprtPg_07_Speech::OnButton_Default(), error after p_ISttngs->SetDefault()")
{
}

void CZelPgVal_07_Speech::Load() { m_Speech = spch::Read(); }

void CZelPgVal_07_Speech::Store()
{
    // A text the settings file could not read back keeps the value it had.
    if (spch::HasSection() && !spch::Write(m_Speech))
        LogMsg("\nCZelPgVal_07_Speech::Store(), a value the settings file cannot hold was not stored");
}

void CZelPgVal_07_Speech::AfterStore()
{
    if (spch::HasSection() && !spch::Save())
        LogMsg("\nCZelPgVal_07_Speech::AfterStore(), error writing section [%s]", spch::kSection);
}

CZelPgVal_08_Memory::CZelPgVal_08_Memory()
    : CZelPgVal(7, "\nCZelPrprtPg_08_Memory::OnInitDialog(), error after g_pILsnAFc->Create_ISttngs()",
          "\nCZelPrprtPg_08_Memory::OnButton_Default(), error after p_ISttngs->SetDefault()")
{
}

void CZelPgVal_08_Memory::Load()
{
    m_Retention = memcfg::ReadRetention();
}

void CZelPgVal_08_Memory::Store()
{
    if (memcfg::HasSection() && !memcfg::WriteRetention(m_Retention))
        LogMsg("\nCZelPgVal_08_Memory::Store(), the retention was not stored");
}

void CZelPgVal_08_Memory::AfterStore()
{
    if (memcfg::HasSection() && !memcfg::Save())
        LogMsg("\nCZelPgVal_08_Memory::AfterStore(), error writing section [%s]", memcfg::kSection);
}
