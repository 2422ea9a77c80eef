#include "settings/sheet/CZelTmOutBox.h"

#include "settings/sheet/ZelText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace {
QLabel* MakeLabel(int id, int text, QWidget* parent)
{
    auto* l = new QLabel(text ? ZelText(text) : QString(), parent);
    l->setObjectName(QString::number(id));
    return l;
}

QComboBox* MakeList(int id, int items, int (*ms)(int), QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::number(id));
    for (int i = 0; i < items; ++i)
        c->addItem(QString::number(ms(i)));
    return c;
}
} // namespace

CZelTmOutBox::CZelTmOutBox(const Ids& ids, CZelTmOutBlock& block, QWidget* parent)
    : QGroupBox(ZelText(ids.groupText), parent), m_Block(block)
{
    setObjectName(QString::number(ids.group));
    QLabel* minLabel = MakeLabel(ids.minLabel, ids.minText, this);
    QLabel* maxLabel = MakeLabel(ids.maxLabel, ids.maxText, this);
    m_MinList = MakeList(ids.minList, TMOUT_MIN_ITEMS, TmOutMinItemMs, this);
    m_MaxList = MakeList(ids.maxList, TMOUT_MAX_ITEMS, TmOutMaxItemMs, this);
    minLabel->setBuddy(m_MinList);
    maxLabel->setBuddy(m_MaxList);
    m_Slider = new QSlider(Qt::Horizontal, this);
    m_Slider->setObjectName(QString::number(ids.slider));
    m_Slider->setSingleStep(100);
    m_Slider->setPageStep(500);
    m_Slider->setTickPosition(QSlider::TicksBelow);
    m_Slider->setTickInterval(500);
    m_Slider->setMinimumWidth(240);
    m_Position = MakeLabel(ids.position, 0, this);
    m_Position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_Position->setMinimumWidth(m_Position->fontMetrics().horizontalAdvance("000000"));
    QLabel* msec = MakeLabel(ids.msecLabel, ids.msecText, this);

    // Lists in the first row, the slider with its position and unit below.
    auto* grid = new QGridLayout(this);
    grid->addWidget(minLabel, 0, 0);
    grid->addWidget(m_MinList, 0, 1);
    grid->addItem(new QSpacerItem(24, 0), 0, 2);
    grid->addWidget(maxLabel, 0, 3);
    grid->addWidget(m_MaxList, 0, 4);
    grid->setColumnStretch(5, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_Slider, 1);
    row->addWidget(m_Position);
    row->addWidget(msec);
    grid->addLayout(row, 1, 0, 1, 6);

    connect(m_MinList, &QComboBox::currentIndexChanged, this, &CZelTmOutBox::OnListChanged);
    connect(m_MaxList, &QComboBox::currentIndexChanged, this, &CZelTmOutBox::OnListChanged);
    connect(m_Slider, &QSlider::valueChanged, this, &CZelTmOutBox::ShowPosition);
}

void CZelTmOutBox::DataToControls()
{
    m_Showing = true;
    m_MinList->setCurrentIndex(m_Block.m_MinTimeOut.Shown());
    m_MaxList->setCurrentIndex(m_Block.m_MaxTimeOut.Shown());
    m_Slider->setRange(m_Block.RangeMin(), m_Block.RangeMax());
    m_Slider->setValue(m_Block.m_TimeOut);
    m_Showing = false;
    ShowPosition(m_Slider->value());
}

void CZelTmOutBox::ControlsToData()
{
    m_Block.m_MinTimeOut.Pick(m_MinList->currentIndex());
    m_Block.m_MaxTimeOut.Pick(m_MaxList->currentIndex());
    m_Block.m_TimeOut = m_Slider->value();
}

void CZelTmOutBox::OnListChanged()
{
    if (m_Showing)
        return;
    // The new range from this block's lists; the slider keeps its position within it.
    ControlsToData();
    m_Block.KeepInRange();
    DataToControls();
}

void CZelTmOutBox::ShowPosition(int position) { m_Position->setText(QString::number(position)); }
