#pragma once
// The single view: every command of the trainer arrives here, the update rules decide the
// check marks and enabling, and the screen text is painted here. The view is also the window
// side of the file utilities (IFileView), of the screen object (IScrnView) and of the
// interface language (ILclWnd, its frame's menu bar).

#include "app/AppHooks.h"
#include "app/CQtLclMenu.h"
#include "app/CQtWindowLink.h"
#include "app/CTopicChooser.h"
#include "app/CViewDialogs.h"
#include "app/FileList.h"
#include "app/PassSummary.h"
#include "app/ScreenLayout.h"
#include "app/ViewAccessible.h"
#include "engine/CScreen.h"
#include "engine/IScrnView.h"
#include "locale/ILclMenu.h"
#include "settings/LsnLogFont.h"
#include "settings/SpeechCue.h"
#include "speech/Speaker.h"
#include "texts/IFileView.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class CDrill_SdiDoc;
class CMainFrame;
class IViewPrinter;
class QAction;
class QPainter;

// Codes of the vertical and horizontal scrolling, as the scroll bars give them.
enum : int {
    SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3,
    SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7,
    SB_LINELEFT = 0, SB_LINERIGHT = 1, SB_LEFT = 6, SB_RIGHT = 7,
};

class CDrill_SdiView : public QAbstractScrollArea, public IFileView, public IScrnView, public ILclWnd {
    Q_OBJECT
public:
    CDrill_SdiView(CDrill_SdiDoc* doc, CMainFrame* frame, AppHooks hooks = {});
    ~CDrill_SdiView() override;

    // The framework's initial update: installs every service and sets the interface language.
    // False, with nothing installed, when another program runs over the program folder.
    bool OnInitialUpdate();

    // A command of the menus, the toolbar or the accelerators.
    void OnCommand(int id);
    // The update rules, for every command that has one.
    void UpdateCommandUI();

    // Scrolling, by scroll-bar code (position is used for SB_THUMBTRACK only).
    void OnVScroll(int code, int position, void* scrollBar);
    void OnHScroll(int code);
    // Navigation keys by Qt key; other keys are left to the typed-character delivery.
    bool OnKeyDown(int key);
    // A typed character (keyboard control) or a mouse button 1..4 (mouse control).
    void OnChar(char32_t key);
    void OnMouseKey(int code);

    // The memory's notices queued since the last call, each told once: a message box for a
    // database set aside or not used, the status bar for a pass whose reviews were not stored.
    // The frame calls it as it keeps the toolbar's rules; nothing while the window is hidden.
    void ShowMemoryNotices();

    // The application's start and end hooks (the frame ends the loop through them too).
    const AppHooks& Hooks() const { return m_Hooks; }

    // Before the results folder is emptied: false when the learner keeps the program as it
    // is (results never saved, and Cancel).
    bool ResultsMayGo();

    // Test and settings seams.
    void SetDialogs(IFileDialogs* dialogs) { m_pDialogs = dialogs ? dialogs : &m_Dialogs; }
    // The Phrase-book chooser: the pair's name and its topics in, the chosen file out (empty:
    // none). Unset, the CTopicChooser dialog.
    using TopicChooser = std::function<std::string(const QString& pair, std::vector<STopicRow> rows)>;
    void SetTopicChooser(TopicChooser chooser);
    // What says the texts; unset, eSpeak NG into Qt Multimedia's default output, made at the
    // first text said.
    void SetSpeaker(std::unique_ptr<speech::ISpeaker> speaker) { m_Voice.Set(std::move(speaker)); }
    // The display font as the screen shows it (zoomed), and as chosen (printed).
    QFont DisplayFont() const;
    QFont ChosenFont() const;
    // The command of a mode number ("ViewMode"/"Mode" 0..9, 11, 12).
    static int CommandOfMode(int mode);
    // The screen text as it is shown: a copy taken now, in the characters it is drawn as;
    // caret, when given, gets the caret's place in it (-1: none); spans, its spans shown apart,
    // in characters, with each verdict's word in the interface language.
    std::u32string ShownText(int* caret = nullptr, std::vector<SScreenSpan>* spans = nullptr) const;
    // The rows of the options a Choose the Answer pass offers, as the last paint drew them, each
    // with its number.
    const std::vector<std::pair<QRect, int>>& OptionRows() const { return m_OptionRows; }
    // What the last paint drew beside the screen text: the welcome page with the rows of its
    // recent files (none when the page was not shown), the mark badge and the caret (empty
    // rectangles when not shown), in the view's coordinates.
    bool WelcomeShown() const { return m_WelcomeShown; }
    const std::vector<QRect>& RecentRows() const { return m_RecentRows; }
    // The end-of-pass summary as last drawn (empty title when not shown).
    const SPassSummary& Summary() const { return m_Summary; }
    // The opened file's phrases as the last paint listed them (false: the list was not shown).
    bool FileListShown() const { return m_FileListShown; }
    const CFileList& FileList() const { return m_FileList; }
    // The welcome page's lines on what is due today (none while no memory is kept).
    const QStringList& DueLines() const { return m_DueLines; }
    QRect MarkBadge() const { return m_MarkBadge; }
    QRect Caret() const { return m_Caret; }
    // What assistive technology reads: the screen text as shown (the welcome page, or the
    // summary of the pass just over) and the caret where the learner types.
    a11y::SReading Reading() const;
    // Where the reading's character at a UTF-16 offset stands in the viewport, and the offset at a
    // point of it (-1: none there), as the pass's screen text is painted; nothing when the view
    // shows another page (the welcome page, a file's list, a pass's summary) or the offset lies
    // beyond the screen text.
    std::optional<QRect> ReadingCharRect(int offset) const;
    std::optional<int> ReadingOffsetAt(QPoint at) const;
    // A typing mode's caret offset in the shown text, overriding the screen's caret; -1 leaves
    // the screen's.
    void SetTypingCaret(int offset) { m_TypingCaret = offset; }
    // After a paint and as the frame keeps its rules: tells a listening screen reader what changed.
    void FollowReading();
    // The display colours or zoom changed: metrics, scroll range and a repaint follow.
    void DisplayChanged();
    // Opens a file as File > Open does once the path is chosen: a file given on the command line
    // or handed over by a second start; kept until the window is shown.
    void OpenFromDesktop(const std::string& path);
    // The printing of the screen text (its dialogs can be answered by tests).
    // The printer, made (and its module loaded) at the first print command.
    IViewPrinter& Printer();
    // The caption prefix and the current language's code page.
    static int InterfaceCodePage();

    // IFileView
    void ClearText() override;
    void PutText(const char* text) override;
    void SetTextCoding(plat::TextCoding coding) override;
    void SetScrollSizes(long total, long page, long line) override;
    void FileShown(const char* path) override;
    void SetCaption(const char* caption) override;
    const char* GetCaptionTitle() override;
    IFileDialogs& Dialogs() override { return *m_pDialogs; }

    // IScrnView (asked on the worker thread: answered from metrics taken on the GUI thread)
    plat::IWindow* GetWindow() override { return &m_Link; }
    int GetLineHeight() override;
    int GetCharWidth(char c) override;
    bool MeasureEnd(const char* text, int* x, int* y) override;

    // The layout the screen text is drawn in now (View > Comfortable or Classic Layout).
    EScreenLayout LayoutKind() const;
    CScreenLayout ScreenLayout() const;

    // ILclWnd
    ILclMenu* GetMenu() override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Commands (handler names as in the command table).
    void OnSlfileFirstFileOpen();
    void OnFileOpen();
    void OnSlfileImport();
    void OnSlfileExport();
    void OnSlfileSaveresultsas();
    void OnFileSave();
    void OnSlfileSettings();
    void OnSlfileExit();
    void OnKeyboardKeyboardonly();
    void OnKeyboardKeyboardmouse();
    void OnDirection(int direction);
    void OnMode(int mode);
    void OnModeOpenBrackets(int mode);
    void OnRunFirstIteration();
    void OnRunNextIteration();
    void OnRunNextFile();
    void OnRunPreviousFile();
    void OnAddBrackets(int type);
    void OnRunReviewDue();
    void OnCancelIteration();
    void OnPhrasebook(int id);
    void OnRecentFile(int index);
    void OnHelpCommand(int id);
    // Speak: the text revealed last, in its language.
    void OnSpeak();
    // View > Comfortable Layout, Classic Layout: stored, and the screen drawn anew.
    void OnLayout(EScreenLayout layout);
    // After a paint of a pass: what the Speech page's options say as texts are shown.
    void FollowSpeech();
    void Say(const spch::SSaying& saying);
    // The screen's bytes, copied; caret, when given, gets the caret's byte place or -1; spans
    // the spans shown apart.
    static std::string ScreenBytes(int* caret = nullptr, std::vector<SScreenSpan>* spans = nullptr);

    // Custom messages.
    void OnChangeLanguage();
    // Sets the stored interface language: the menus and the help pair, then the frame's texts.
    void SetInterfaceLanguage();
    void OnInstallAll();
    void OnDeInstallAll();

    void SetViewHandle();
    void ResetScroll();
    // The scroll bar ranges over the running pass's screen text, or else over the opened file
    // by the sizes the file utilities set.
    // layout and shown: the paint's, when it has them already.
    void ApplyScrollRange(const CScreenLayout* layout = nullptr, const std::u32string* shown = nullptr);
    // The worker wrote the screen: the part of the view the writes changed is repainted.
    void ScreenWritten();
    // What follows a paint (or a write that changed nothing shown): the status bar's pass state.
    void FollowPaint();
    // What the view shows of a pass's screen, as far as a write can change it.
    struct SShownScreen {
        bool valid = false; // false: the last paint drew something else, or nothing yet
        std::u32string text;
        int caret = -1;
        std::vector<SScreenSpan> spans;
        bool running = false, badge = false;
        int shift = 0;
        QFont font;
        EScreenLayout layout = EScreenLayout::Classic;
        bool singleByte = true;
        QSize size;
    };
    SShownScreen ShownScreen(const CScreenLayout& layout, int shift) const;
    // The rows of the view where shown and now differ (the whole view when they cannot be
    // compared); empty when nothing differs.
    static QRect ChangedRows(const SShownScreen& shown, const SShownScreen& now, const CScreenLayout& layout);
    bool PassOwnsScreen() const;
    // After the scroll position moved: a pass's screen is shifted, the file view refilled.
    void ScrollMoved(int code);
    void RefillFromFile(int code);
    void UpdateMetrics();
    // Takes the display font as it stands now: its metrics, the scroll range and a repaint.
    void ApplyDisplayFont();
    bool Installed() const;
    // The welcome page's number keys and clicks: true when one reopened a recent file.
    bool WelcomeKey(const QString& text);
    bool WelcomeClick(QPoint at);
    void DrawWelcome(QPainter& p);
    // The end of the pass that ran last, shown until another file or pass begins: whether it
    // is due now, its drawing, and Enter, which runs what it offers next.
    bool SummaryDue() const;
    // The last paint drew the pass's screen text, not another page (welcome, file list, summary).
    bool ShowsPassScreen() const;
    int PassShift() const;
    void DrawSummary(QPainter& p, int shift);
    bool SummaryKey(int key);
    // The opened file's phrases, listed in the Comfortable layout until a pass begins: whether
    // they are due now, their look and drawing, the scroll bar over their rows (false when
    // not due), and the raw view from the file's top after a change of layout.
    bool FileListDue() const;
    void FileListLook();
    void DrawFileList(QPainter& p);
    bool ApplyListRange();
    void FileViewFromTop();

    CDrill_SdiDoc* m_pDoc;
    CMainFrame* m_pFrame;
    static constexpr int kPassStateDelayMs = 40; // the pane follows the paint this much later
    bool m_PassStateDue = false;                 // a pane update is on its way
    spch::CSpeechVoice m_Voice;
    spch::CSpeechCue m_SpeechCue;
    AppHooks m_Hooks;
    CQtWindowLink m_Link;
    CViewDialogs m_Dialogs;
    IFileDialogs* m_pDialogs;
    TopicChooser m_TopicChooser;
    std::unique_ptr<CQtLclMenu> m_pMenu;
    std::unique_ptr<IViewPrinter> m_pPrinter;
    std::string m_CaptionTitle;
    long m_ScrollTotal = 100, m_ScrollPage = 10, m_ScrollLine = 1;
    bool m_InOwnScroll = false;
    // The scroll bar currently ranges over a pass's screen text (PassShift: how far it is
    // scrolled down, 0 while the bar ranges over anything else).
    bool m_PassScroll = false;
    bool m_WelcomeShown = false;
    std::string m_TitleSet; // the interface text last given as the view's title
    std::vector<QRect> m_RecentRows;
    QStringList m_DueLines;
    QStringList m_WelcomeText; // the welcome page's lines as read aloud
    int m_TypingCaret = -1;
    a11y::CViewAnnouncer m_Announcer;
    std::string m_DesktopFile; // waits for the window to be shown
    bool m_InNotice = false; // a notice's message box is open
    SPassSummary m_Summary;
    int m_SummarySerial = -1;     // the pass m_Summary tells of
    int m_SummaryHeight = 0;      // as last drawn
    bool m_SummaryScroll = false; // the scroll bar ranges over the summary
    CFileList m_FileList;
    std::string m_FileListFile;   // the file opened last, listed when due
    int m_FileListSerial = -1;    // the passes that had begun when it was opened
    bool m_FileListShown = false; // the last paint drew the list
    bool m_ListScroll = false;    // the scroll bar ranges over its rows
    QRect m_MarkBadge, m_Caret;
    SShownScreen m_Shown; // as the view shows it once the repaints asked for are done
    std::vector<std::pair<QRect, int>> m_OptionRows;

    // The display font and its metrics for the screen object, taken from each new kept layout.
    mutable std::mutex m_MetricsLock;
    bool m_MetricsTaken = false;
    QFont m_MetricsQFont;
    QSize m_MetricsSize;
    EScreenLayout m_MetricsLayout = EScreenLayout::Classic;
    plat::TextCoding m_MetricsCoding = plat::TextCoding::SingleByte;
    int m_MetricsCodePage = 0;
    int m_LineHeight = 0;
    int m_CharWidth[256] = {};
    // The glyphs and laid-out lines the paints keep; read by the measuring too.
    mutable CLayoutCache m_LayoutCache;
    // The window thread's layout, made anew only when what it is made from changes: making one
    // resolves the display font, which every write and paint would otherwise pay for.
    struct SLayoutKey {
        QFont base;
        LsnLogFont logFont;
        int fontUnset, zoom;
        EScreenLayout layout;
        plat::TextCoding coding;
        QSize size;
        bool operator==(const SLayoutKey& o) const;
    };
    struct SKeptLayout {
        SLayoutKey key;
        CScreenLayout layout;
    };
    mutable std::optional<SKeptLayout> m_KeptLayout;
    mutable unsigned m_KeptLayouts = 0; // how many were made: the metrics follow each new one
    unsigned m_MetricsFrom = 0;         // the one the metrics were taken from
};
