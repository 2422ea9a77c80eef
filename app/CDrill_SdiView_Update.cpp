// The update rules: check marks and enabling of the menus and the toolbar.
#include "app/CDrill_SdiView.h"

#include "app/CMainFrame.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IterationGlobals.h"
#include "resources/Resources.h"
#include "texts/IUtltsFile.h"

#include <QAction>

int CDrill_SdiView::CommandOfMode(int mode)
{
    using namespace res;
    static const int kModes[] = {ID_MODE_INWHOLE, ID_MODE_WORDBYWORD, ID_MODE_WHICHLETTER,
                                 ID_MODE_TIMEOUTINWHOLE, ID_MODE_TIMEOUTWORDBYWORD,
                                 ID_MODE_OPENBRACKETSWHOLEWORD, ID_MODE_OPENBRACKETS1LETTER,
                                 ID_MODE_OPENBRACKETSWHOLEWORDNI, ID_MODE_OPENBRACKETS1LETTERNI,
                                 ID_MODE_ADDBRACKETS,
                                 ID_MODE_INWHOLE, // 10 is no setting
                                 ID_MODE_TYPEANSWER, ID_MODE_CHOOSEANSWER};
    return mode >= 0 && mode < static_cast<int>(sizeof kModes / sizeof kModes[0]) ? kModes[mode] : ID_MODE_INWHOLE;
}

void CDrill_SdiView::UpdateCommandUI()
{
    using namespace res;
    if (!Installed() || !g_pIUtltsFile)
        return;
    int direction = 0, mode = 0;
    g_pIDbVars->RdVal("ViewMode", "Direction", PAR_TYPE_INT, &direction);
    g_pIDbVars->RdVal("ViewMode", "Mode", PAR_TYPE_INT, &mode);
    const int kbrd = g_pIKbrd ? g_pIKbrd->GetKbrdType() : 0;

    auto check = [this](int id, bool on) {
        if (QAction* a = m_pFrame->Action(id)) {
            a->setCheckable(true);
            a->setChecked(on);
        }
    };
    auto enable = [this](int id, bool on) {
        if (QAction* a = m_pFrame->Action(id))
            a->setEnabled(on);
    };

    check(ID_DIRECTION_1ST2ND, direction == 0);
    check(ID_DIRECTION_2ND1ST, direction == 1);
    for (int m = 0; m < 10; ++m)
        check(CommandOfMode(m), mode == m);
    check(ID_MODE_TYPEANSWER, mode == drill::kModeTypeAnswer);
    check(ID_MODE_CHOOSEANSWER, mode == drill::kModeChooseAnswer);
    check(ID_KEYBOARD_KEYBOARDONLY, kbrd == KBRD_TYPE_KEYBOARD);
    check(ID_KEYBOARD_KEYBOARDMOUSE, kbrd == KBRD_TYPE_MOUSE);
    const EScreenLayout layout = LayoutKind();
    check(ID_VIEW_LAYOUT_COMFORTABLE, layout == EScreenLayout::Comfortable);
    check(ID_VIEW_LAYOUT_CLASSIC, layout == EScreenLayout::Classic);

    const bool first = g_pIUtltsFile->CanStartIteration() != 0;
    enable(ID_TB_FIRSTITERATION, first);
    enable(ID_RUN_FIRSTITERATION, first);
    const bool next = g_pIItrtnSrvc && g_pIItrtnSrvc->CanStartNextIteration() == 1;
    enable(ID_TB_NEXTITERATION, next);
    enable(ID_RUN_NEXTITERATION, next);
    const bool nextFile = g_pIUtltsFile->HasNextFile() == 1;
    enable(ID_TB_NEXTFILE, nextFile);
    enable(ID_RUN_NEXTFILE, nextFile);
    const bool prevFile = g_pIUtltsFile->HasPreviousFile() == 1;
    enable(ID_TB_PREVIOUSFILE, prevFile);
    enable(ID_RUN_PREVIOUSFILE, prevFile);
    // Review Due while the memory is kept; what is due is told when it runs.
    enable(ID_RUN_REVIEWDUE, drill::CanRunReviewDue());
    const bool addBr = g_pIUtltsFile->CanStartAddBrackets() != 0;
    enable(ID_ADDBRACKETS_WORDBYWORD, addBr);
    enable(ID_ADDBRACKETS_TIMEOUT, addBr);

    // The framework's own rules of the View menu.
    check(ID_VIEW_TOOLBAR, m_pFrame->ToolBarShown());
    check(ID_VIEW_STATUS_BAR, m_pFrame->StatusBarShown());
}
