#include "app/CAboutDlg.h"

#include "app/ToolIcons.h"
#include "app/WindowTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutDlg");
    setWindowTitle(PlainCaption(LclText(49, "&About Lexido")));
    auto* icon = new QLabel(this);
    icon->setObjectName("128");
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* title = new QLabel(LclText(97, "Lexido"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* line = new QLabel(LclText(113, ""), this);
    auto* version = new QLabel(LclText(114, ""), this);
    auto* web = new QLabel("https://lexido.example.org", this);
    web->setObjectName("1085");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(line, 1, 1);
    grid->addWidget(version, 2, 1);
    grid->addWidget(web, 3, 1);
    grid->addWidget(buttons, 4, 0, 1, 2);
    grid->setHorizontalSpacing(16);
    setFixedSize(sizeHint());
}
