#include "settings/sheet/CZelPrprtSheet.h"

#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "qttext/QtTranslations.h"
#include "settings/LsnLogFont.h"
#include "settings/sheet/CQtFontChooser.h"
#include "settings/sheet/CZelMemoryPage.h"
#include "settings/sheet/CZelPrprtPages.h"
#include "settings/sheet/CZelSpeechPage.h"
#include "settings/sheet/ZelText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

CZelPrprtSheet::CZelPrprtSheet(QWidget* owner, std::function<void()> showHelp, std::function<void(int, int)> beep)
    : QDialog(owner), m_ShowHelp(std::move(showHelp)), m_Beep(std::move(beep))
{
    if (!m_Beep)
        m_Beep = [](int, int) { QApplication::beep(); };
    setObjectName("CZelPrprtSheet");
    // OK and Cancel are Qt's standard buttons: their texts come from Qt's translation.
    UseQtTranslations(g_pILocal ? g_pILocal->GetLanguage() : LANGUAGE_ENGLISH);
    setWindowTitle(ZelText(54));
    if (!g_pIFontChooser) {
        m_FontChooser = std::make_unique<CQtFontChooser>(this);
        g_pIFontChooser = m_FontChooser.get();
    }

    m_Tabs = new QTabWidget(this);
    m_Tabs->setObjectName("12320");
    // Every page title stays in view: the sheet widens to them rather than scrolling the tabs.
    m_Tabs->setUsesScrollButtons(false);
    m_Tabs->setElideMode(Qt::ElideNone);
    CZelPrprtPg* pages[] = {new CZelPrprtPg_01, new CZelPrprtPg_02, new CZelPrprtPg_04_ToV,
                            new CZelPrprtPg_05_OpBrV, new CZelPrprtPg_06_AddBr, new CZelPrprtPg_07_Speech,
                            new CZelPrprtPg_08_Memory};
    for (CZelPrprtPg* p : pages)
        m_Tabs->addTab(p, p->windowTitle());

    // The ids of the platform's property-sheet buttons; there is no Apply.
    m_Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    m_Buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    m_Buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    QPushButton* help = m_Buttons->button(QDialogButtonBox::Help);
    help->setObjectName("9");
    help->setText(ZelText(65));
    connect(m_Buttons, &QDialogButtonBox::accepted, this, &CZelPrprtSheet::accept);
    connect(m_Buttons, &QDialogButtonBox::rejected, this, &CZelPrprtSheet::reject);
    connect(m_Buttons, &QDialogButtonBox::helpRequested, this, &CZelPrprtSheet::OnHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &CZelPrprtSheet::OnHelp);

    auto* v = new QVBoxLayout(this);
    v->addWidget(m_Tabs);
    v->addWidget(m_Buttons);

    // The first page is shown first, so it is opened now; the others when they are shown.
    Page(0)->Activate();
    connect(m_Tabs, &QTabWidget::currentChanged, this, &CZelPrprtSheet::OnPageShown);
}

CZelPrprtSheet::~CZelPrprtSheet()
{
    if (m_FontChooser && g_pIFontChooser == m_FontChooser.get())
        g_pIFontChooser = nullptr;
}

CZelPrprtPg* CZelPrprtSheet::Page(int index) const { return static_cast<CZelPrprtPg*>(m_Tabs->widget(index)); }

int CZelPrprtSheet::PageCount() const { return m_Tabs->count(); }

void CZelPrprtSheet::OnPageShown(int index)
{
    if (CZelPrprtPg* p = Page(index))
        p->Activate();
}

void CZelPrprtSheet::accept()
{
    for (int i = 0; i < PageCount(); ++i)
        Page(i)->OnOK();
    QDialog::accept();
}

void CZelPrprtSheet::OnHelp()
{
    if (m_Tabs->currentIndex() == 0)
        m_Beep(200, 200);
    else
        m_Beep(100, 100);
    if (m_ShowHelp)
        m_ShowHelp();
}

int ShowSettingsSheet(QWidget* parent, std::function<void()> showHelp)
{
    CZelPrprtSheet sheet(parent, std::move(showHelp));
    return sheet.exec() == QDialog::Accepted ? 1 : 0;
}
