#include "settings/sheet/CZelMemoryPage.h"

#include "engine/MemoryKeeper.h"
#include "settings/sheet/ZelText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kTitle = 507, kRetention = 517, kWhatItDoes = 518;
}

CZelPrprtPg_08_Memory::CZelPrprtPg_08_Memory(QWidget* parent) : CZelPrprtPg(138, kTitle, parent)
{
    m_Retention = new QSpinBox(this);
    m_Retention->setObjectName("1121");
    m_Retention->setRange(keeper::kRetentionLow, keeper::kRetentionHigh);
    m_Retention->setSuffix(" %");
    QLabel* label = Label(1120, kRetention, this);
    label->setBuddy(m_Retention);
    QLabel* what = Label(1122, kWhatItDoes, this);
    what->setWordWrap(true);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_Retention);
    row->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(row);
    v->addSpacing(8);
    v->addWidget(what);
    v->addStretch(1);
    v->addWidget(DefaultRow(1017));
}

void CZelPrprtPg_08_Memory::DataToControls()
{
    m_Retention->setValue(m_Val.m_Retention);
}

void CZelPrprtPg_08_Memory::ControlsToData()
{
    m_Val.m_Retention = m_Retention->value();
}
