#pragma once
// The window side of the help: the help window over the pair installed in the program folder,
// the commands Help Contents, Help and context help, and the what's-this texts of the
// commands (their prompt and a link to their help page), all in the interface language.

#include "locale/CHelpDoc.h"

#include <QObject>
#include <QPointer>

#include <string>

class CHelpWnd;
class QMainWindow;
class QWidget;

class CHelpDesk : public QObject {
    Q_OBJECT
public:
    // frame: the main window whose actions get the what's-this texts; view: the phrase view.
    CHelpDesk(QMainWindow* frame, QWidget* view);
    ~CHelpDesk() override;

    // Reads the installed pair again, as after each setting of the interface language.
    void Reload();

    void ShowContents();
    // The help page of a command, or the first page when the pair has none for it.
    void ShowCommand(int id);
    // False when the pair has no such page (the window is not shown then).
    bool ShowPage(const std::string& anchor);
    void EnterContextHelp();

    // Null until the first command shows help: the start reads the pair for the what's-this
    // texts but makes no window.
    CHelpWnd* Window() const;

    // What a click in context-help mode shows for a command: its prompt and, when the pair
    // has a page for it, a link to that page ("help:" and the anchor).
    QString WhatsThis(int id) const;
    // The page that context help shows for the view.
    static constexpr const char* kViewPage = "keys";

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Present();
    void ApplyWhatsThis();
    // The help window, made over the pair read at its first use.
    CHelpWnd& Wnd();

    QMainWindow* m_pFrame;
    QPointer<QWidget> m_pView; // the frame deletes the view before itself
    QPointer<CHelpWnd> m_pWnd;
    CHelpDoc m_Doc;      // the pair last read, for the what's-this texts and a window made later
    bool m_Read = false; // Reload was called
};
