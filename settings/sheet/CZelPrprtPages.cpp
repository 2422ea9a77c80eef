#include "settings/sheet/CZelPrprtPages.h"

#include "config/DbTypes.h"
#include "locale/ILocal.h"
#include "settings/sheet/CZelTmOutBox.h"
#include "settings/sheet/ZelText.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// A group box whose radio buttons stand one below the other.
QVBoxLayout* Column(QGroupBox* g)
{
    auto* v = new QVBoxLayout(g);
    return v;
}
} // namespace

// General ---------------------------------------------------------------------------------

CZelPrprtPg_01::CZelPrprtPg_01(QWidget* parent)
    : CZelPrprtPg(103, 55, parent), m_Logging(this), m_WhenDropped(this)
{
    QGroupBox* logging = Group(1055, 56, this);
    auto* lg = new QHBoxLayout(logging);
    lg->addWidget(m_Logging.Add(1009, 57, logging));
    lg->addSpacing(24);
    lg->addWidget(m_Logging.Add(1010, 58, logging));
    lg->addStretch(1);

    QLabel* kbLabel = Label(1056, 59, this);
    m_KBoard = List(1016, this);
    m_KBoard->addItems({ZelText(10), ZelText(11)});
    kbLabel->setBuddy(m_KBoard);
    QLabel* lnLabel = Label(1057, 60, this);
    m_Language = List(1017, this);
    // Each language by its own name, so that a learner finds his own in any interface language.
    for (int language : {LANGUAGE_ENGLISH, LANGUAGE_RUSSIAN, LANGUAGE_GERMAN})
        m_Language->addItem(ZelLanguageName(language));
    lnLabel->setBuddy(m_Language);
    auto* lists = new QGridLayout;
    lists->addWidget(kbLabel, 0, 0);
    lists->addWidget(m_KBoard, 0, 1);
    lists->addWidget(lnLabel, 1, 0);
    lists->addWidget(m_Language, 1, 1);
    lists->setColumnStretch(2, 1);
    lists->setHorizontalSpacing(12);

    QPushButton* font = Button(1004, 64, this);
    connect(font, &QPushButton::clicked, this, &CZelPrprtPg_01::OnButtonFont);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(font);
    fontRow->addStretch(1);

    // What happens to results never saved before the results folder is emptied.
    QGroupBox* dropped = Group(1100, 115, this);
    QVBoxLayout* dv = Column(dropped);
    for (int item = 0; item < 3; ++item)
        dv->addWidget(m_WhenDropped.Add(1101 + item, 116 + item, dropped));
    // The folder Save Results As proposes, and the one results are always saved into.
    QLabel* folderLabel = Label(1104, 303, dropped);
    m_ResultsFolder = new QLineEdit(dropped);
    m_ResultsFolder->setObjectName("1105");
    m_ResultsFolder->setPlaceholderText(ZelText(304));
    m_ResultsFolder->setMaxLength(DB_MAX_STR_VAL);
    folderLabel->setBuddy(m_ResultsFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_ResultsFolder, 1);
    dv->addLayout(folderRow);

    auto* v = new QVBoxLayout(this);
    v->addWidget(logging);
    v->addSpacing(8);
    v->addLayout(lists);
    v->addSpacing(8);
    v->addWidget(dropped);
    v->addSpacing(8);
    v->addLayout(fontRow);
    v->addStretch(1);
    v->addWidget(DefaultRow(1001));
}

void CZelPrprtPg_01::DataToControls()
{
    m_Logging.Show(m_Val.m_Logging.Shown());
    ShowItem(m_KBoard, m_Val.m_KBoard.Shown());
    ShowItem(m_Language, m_Val.m_InterfaceLanguage.Shown());
    m_WhenDropped.Show(m_Val.m_WhenDropped.Shown());
    m_ResultsFolder->setText(QFile::decodeName(QByteArray::fromStdString(m_Val.m_ResultsFolder)));
}

void CZelPrprtPg_01::ControlsToData()
{
    m_Val.m_Logging.Pick(m_Logging.Picked());
    m_Val.m_KBoard.Pick(PickedItem(m_KBoard));
    m_Val.m_InterfaceLanguage.Pick(PickedItem(m_Language));
    m_Val.m_WhenDropped.Pick(m_WhenDropped.Picked());
    m_Val.m_ResultsFolder = QFile::encodeName(m_ResultsFolder->text().trimmed()).toStdString();
}

void CZelPrprtPg_01::OnButtonFont() { m_Val.Font(); }

// View Mode -------------------------------------------------------------------------------

CZelPrprtPg_02::CZelPrprtPg_02(QWidget* parent)
    : CZelPrprtPg(104, 68, parent), m_Direction(this), m_Mode(this)
{
    // The modes with interpretation at the left, in three groups.
    QGroupBox* with = Group(1057, 69, this);
    QGroupBox* simple = Group(1059, 70, with);
    QGroupBox* timeOut = Group(1060, 71, with);
    QGroupBox* openBr = Group(1061, 72, with);
    QVBoxLayout* sv = Column(simple);
    sv->addWidget(m_Mode.Add(1090, 16, simple));
    sv->addWidget(m_Mode.Add(1091, 17, simple));
    sv->addWidget(m_Mode.Add(1094, 20, simple));
    QVBoxLayout* tv = Column(timeOut);
    tv->addWidget(m_Mode.Add(1092, 18, timeOut));
    tv->addWidget(m_Mode.Add(1093, 19, timeOut));
    QVBoxLayout* ov = Column(openBr);
    ov->addWidget(m_Mode.Add(1095, 21, openBr));
    ov->addWidget(m_Mode.Add(1096, 22, openBr));
    auto* wv = new QVBoxLayout(with);
    wv->addWidget(simple);
    wv->addWidget(timeOut);
    wv->addWidget(openBr);
    wv->addStretch(1);

    // Direction, the modes without interpretation and Add Brackets at the right.
    QGroupBox* without = Group(1062, 73, this);
    QVBoxLayout* nv = Column(without);
    nv->addWidget(m_Mode.Add(1097, 23, without));
    nv->addWidget(m_Mode.Add(1098, 24, without));
    QGroupBox* addBr = Group(1063, 74, this);
    Column(addBr)->addWidget(m_Mode.Add(1099, 25, addBr));
    // Type and Choose the Answer with the simple view: their items follow Add Brackets'.
    sv->addWidget(m_Mode.Add(1088, 540, simple));
    sv->addWidget(m_Mode.Add(1089, 541, simple));
    QGroupBox* direction = Group(1058, 12, this);
    QVBoxLayout* dv = Column(direction);
    dv->addWidget(m_Direction.Add(1007, 13, direction));
    dv->addWidget(m_Direction.Add(1008, 14, direction));

    auto* right = new QVBoxLayout;
    right->addWidget(direction);
    right->addWidget(without);
    right->addWidget(addBr);
    right->addStretch(1);
    right->addWidget(DefaultRow(1017));

    auto* h = new QHBoxLayout(this);
    h->addWidget(with, 1);
    h->addLayout(right, 1);
}

void CZelPrprtPg_02::DataToControls()
{
    m_Direction.Show(m_Val.m_Direction.Shown());
    m_Mode.Show(m_Val.m_Mode.Shown());
}

void CZelPrprtPg_02::ControlsToData()
{
    m_Val.m_Direction.Pick(m_Direction.Picked());
    m_Val.m_Mode.Pick(m_Mode.Picked());
}

// Time-out view ---------------------------------------------------------------------------

CZelPrprtPg_04_ToV::CZelPrprtPg_04_ToV(QWidget* parent) : CZelPrprtPg(134, 78, parent)
{
    const CZelTmOutBox::Ids inWh = {1066, 79, 1068, 81, 1023, 1070, 82, 1025, 1021, 1022, 1024, 83};
    const CZelTmOutBox::Ids wbW = {1067, 80, 1071, 81, 1027, 1072, 82, 1028, 1026, 1030, 1029, 83};
    m_InWh = new CZelTmOutBox(inWh, m_Val.m_InWh, this);
    m_WbW = new CZelTmOutBox(wbW, m_Val.m_WbW, this);
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_InWh);
    v->addWidget(m_WbW);
    v->addStretch(1);
    v->addWidget(DefaultRow(1017));
}

void CZelPrprtPg_04_ToV::DataToControls()
{
    m_InWh->DataToControls();
    m_WbW->DataToControls();
}

void CZelPrprtPg_04_ToV::ControlsToData()
{
    m_InWh->ControlsToData();
    m_WbW->ControlsToData();
}

// Open Brackets ---------------------------------------------------------------------------

CZelPrprtPg_05_OpBrV::CZelPrprtPg_05_OpBrV(QWidget* parent) : CZelPrprtPg(135, 84, parent), m_MatchCase(this)
{
    QGroupBox* match = Group(1073, 85, this);
    auto* mh = new QHBoxLayout(match);
    mh->addWidget(m_MatchCase.Add(1024, 86, match));
    mh->addSpacing(24);
    mh->addWidget(m_MatchCase.Add(1025, 87, match));
    mh->addStretch(1);

    QGroupBox* screen = Group(1075, 89, this);
    QLabel* size = Label(1076, 90, screen);
    m_ScreenSz = List(1027, screen);
    for (int n = 1; n <= m_Val.m_ScreenSz.Count(); ++n)
        m_ScreenSz->addItem(QString::number(n));
    size->setBuddy(m_ScreenSz);
    auto* sh = new QHBoxLayout(screen);
    sh->addWidget(size);
    sh->addSpacing(12);
    sh->addWidget(m_ScreenSz);
    sh->addStretch(1);

    auto* v = new QVBoxLayout(this);
    v->addWidget(match);
    v->addWidget(screen);
    v->addStretch(1);
    v->addWidget(DefaultRow(1017));
}

void CZelPrprtPg_05_OpBrV::DataToControls()
{
    m_MatchCase.Show(m_Val.m_MatchCase.Shown());
    ShowItem(m_ScreenSz, m_Val.m_ScreenSz.Shown());
}

void CZelPrprtPg_05_OpBrV::ControlsToData()
{
    m_Val.m_MatchCase.Pick(m_MatchCase.Picked());
    m_Val.m_ScreenSz.Pick(PickedItem(m_ScreenSz));
}

// Add Brackets ----------------------------------------------------------------------------

CZelPrprtPg_06_AddBr::CZelPrprtPg_06_AddBr(QWidget* parent) : CZelPrprtPg(136, 91, parent)
{
    // The time-out of the word-by-word mode with a time-out, framed by its mode.
    QGroupBox* wbW = Group(1065, 92, this);
    const CZelTmOutBox::Ids ids = {1022, 93, 1068, 94, 1029, 1070, 95, 1030, 1031, 1032, 1024, 96};
    m_AddBrTo = new CZelTmOutBox(ids, m_Val.m_AddBrTo, wbW);
    Column(wbW)->addWidget(m_AddBrTo);
    auto* v = new QVBoxLayout(this);
    v->addWidget(wbW);
    v->addStretch(1);
    v->addWidget(DefaultRow(1017));
}

void CZelPrprtPg_06_AddBr::DataToControls() { m_AddBrTo->DataToControls(); }

void CZelPrprtPg_06_AddBr::ControlsToData() { m_AddBrTo->ControlsToData(); }
