#pragma once
// The About box.

#include <QDialog>

// The About box: the icon, the product title (text 97), a line about the program (text 113),
// the version (text 114) and the maker's web address, in the interface language.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
