#pragma once
// What the window adds for a desktop: File > Open Recent, View > Colours and the zoom of the
// display font, mnemonics for menu items whose captions have none, and the accessible names of
// the toolbar's buttons and the status bar's fields.

#include <QString>

class CMainFrame;
class QAction;
class QWidget;

namespace desk {

// Command ids of the added items (beside the main resource's).
enum : int {
    ID_VIEW_COLOURS_DESKTOP = 32910,
    ID_VIEW_COLOURS_LIGHT = 32911,
    ID_VIEW_COLOURS_DARK = 32912,
    ID_VIEW_ZOOM_IN = 32913,
    ID_VIEW_ZOOM_OUT = 32914,
    ID_VIEW_ZOOM_RESET = 32915,
};

// Adds the items to the frame's menus, each an action carrying its id.
void AddMenus(CMainFrame* frame);
// After the interface language changed: the added items' texts, mnemonics where captions have
// none, the accessible names and descriptions.
void ApplyTexts(CMainFrame* frame);
// The added commands; false for every other id.
bool OnCommand(CMainFrame* frame, int id);
// As a dialog is shown: a control that neither its own text nor a label's buddy names is named
// by the label before it or by its group's title.
void NameControls(QWidget* dialog);
// Before a menu opens: the checked colours.
void UpdateChecks(CMainFrame* frame);

// The mnemonic an action was given by ApplyTexts is not part of its caption: the caption as
// the interface language wrote it.
QString CaptionOf(const QAction* action);

} // namespace desk
