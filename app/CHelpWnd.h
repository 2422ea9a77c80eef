#pragma once
// The help window: the contents of the installed help pair on the left, the page on the right.
// It shows only what CHelpDoc read; a pair that cannot be read is shown as a page saying why.

#include "locale/CHelpDoc.h"

#include <QWidget>

#include <string>

class QSplitter;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

class CHelpWnd : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWnd(QWidget* parent = nullptr);

    // Reads Lexido.hlp and Lexido.cnt of folder. The page shown stays if the new pair has
    // it, else the new pair's first page is shown. 0 on success; 1 when the pair is unusable.
    int Load(const std::string& folder);
    // The same over a pair already read.
    int Show(CHelpDoc doc);

    // Shows the page of an anchor (false when the pair has none) and selects its entry.
    bool ShowPage(const std::string& anchor);
    // Shows the page first shown by the contents.
    void ShowHome();

    const CHelpDoc& Doc() const { return m_Doc; }
    const std::string& CurrentAnchor() const { return m_Current; }
    QTreeWidget* ContentsTree() const { return m_pTree; }
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    void FillContents();
    void OnLink(const QUrl& url);
    void OnEntry(QTreeWidgetItem* item);

    CHelpDoc m_Doc;
    std::string m_Current;
    QSplitter* m_pSplit;
    QTreeWidget* m_pTree;
    QTextBrowser* m_pBrowser;
};
