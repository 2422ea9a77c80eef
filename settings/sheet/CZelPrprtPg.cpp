#include "settings/sheet/CZelPrprtPg.h"

#include "settings/sheet/ZelText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

CZelRadios::CZelRadios(QWidget* page) : m_Group(new QButtonGroup(page)) {}

QRadioButton* CZelRadios::Add(int id, int text, QWidget* parent)
{
    auto* b = new QRadioButton(ZelText(text), parent);
    b->setObjectName(QString::number(id));
    m_Group->addButton(b, m_Group->buttons().size());
    return b;
}

void CZelRadios::Show(int item)
{
    if (QAbstractButton* b = m_Group->button(item)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it lets go only while not exclusive.
    m_Group->setExclusive(false);
    for (QAbstractButton* b : m_Group->buttons())
        b->setChecked(false);
    m_Group->setExclusive(true);
}

int CZelRadios::Picked() const { return m_Group->checkedId(); }

CZelPrprtPg::CZelPrprtPg(int templateId, int titleText, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::number(templateId));
    setWindowTitle(ZelText(titleText));
}

void CZelPrprtPg::Activate()
{
    if (m_Opened)
        return;
    m_Opened = true;
    Val().Open();
    DataToControls();
}

void CZelPrprtPg::OnOK()
{
    if (!m_Opened)
        return;
    ControlsToData();
    Val().Ok();
}

void CZelPrprtPg::OnButtonDefault()
{
    Val().Default();
    DataToControls();
}

QGroupBox* CZelPrprtPg::Group(int id, int text, QWidget* parent)
{
    auto* g = new QGroupBox(ZelText(text), parent);
    g->setObjectName(QString::number(id));
    return g;
}

QLabel* CZelPrprtPg::Label(int id, int text, QWidget* parent)
{
    auto* l = new QLabel(text ? ZelText(text) : QString(), parent);
    l->setObjectName(QString::number(id));
    return l;
}

QComboBox* CZelPrprtPg::List(int id, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::number(id));
    return c;
}

QPushButton* CZelPrprtPg::Button(int id, int text, QWidget* parent)
{
    auto* b = new QPushButton(ZelText(text), parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false); // Enter confirms the sheet, never resets a page
    // Some air around the caption, and one width for the short ones.
    b->setMinimumWidth(std::max(96, b->sizeHint().width() + 16));
    return b;
}

QWidget* CZelPrprtPg::DefaultRow(int id)
{
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addStretch(1);
    QPushButton* b = Button(id, 66, row);
    connect(b, &QPushButton::clicked, this, &CZelPrprtPg::OnButtonDefault);
    h->addWidget(b);
    return row;
}

void CZelPrprtPg::ShowItem(QComboBox* list, int item) { list->setCurrentIndex(item < list->count() ? item : -1); }

int CZelPrprtPg::PickedItem(const QComboBox* list) { return list->currentIndex(); }
