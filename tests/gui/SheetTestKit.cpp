#include "tests/gui/SheetTestKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

QList<QPair<int, int>> g_Beeps;
void RecordBeep(int hz, int ms) { g_Beeps << qMakePair(hz, ms); }

const Ctl kControls[] = {
    {0, 1055, kGroup, 56},  {0, 1009, kRadio, 57},  {0, 1010, kRadio, 58},  {0, 1056, kLabel, 59},
    {0, 1016, kList, 0},    {0, 1004, kButton, 64}, {0, 1057, kLabel, 60},  {0, 1017, kList, 0},
    {0, 1001, kButton, 66}, {0, 1100, kGroup, 115}, {0, 1101, kRadio, 116}, {0, 1102, kRadio, 117},
    {0, 1103, kRadio, 118}, {0, 1104, kLabel, 303},
    {1, 1057, kGroup, 69},  {1, 1058, kGroup, 12},  {1, 1007, kRadio, 13},  {1, 1008, kRadio, 14},
    {1, 1059, kGroup, 70},  {1, 1060, kGroup, 71},  {1, 1061, kGroup, 72},  {1, 1062, kGroup, 73},
    {1, 1063, kGroup, 74},  {1, 1090, kRadio, 16},  {1, 1091, kRadio, 17},  {1, 1094, kRadio, 20},
    {1, 1092, kRadio, 18},  {1, 1093, kRadio, 19},  {1, 1095, kRadio, 21},  {1, 1096, kRadio, 22},
    {1, 1097, kRadio, 23},  {1, 1098, kRadio, 24},  {1, 1099, kRadio, 25},  {1, 1088, kRadio, 540},
    {1, 1089, kRadio, 541}, {1, 1017, kButton, 66},
    {2, 1066, kGroup, 79},  {2, 1067, kGroup, 80},  {2, 1068, kLabel, 81},  {2, 1071, kLabel, 81},
    {2, 1023, kList, 0},    {2, 1027, kList, 0},    {2, 1070, kLabel, 82},  {2, 1072, kLabel, 82},
    {2, 1025, kList, 0},    {2, 1028, kList, 0},    {2, 1021, kSlider, 0},  {2, 1026, kSlider, 0},
    {2, 1022, kLabel, 0},   {2, 1030, kLabel, 0},   {2, 1024, kLabel, 83},  {2, 1029, kLabel, 83},
    {2, 1017, kButton, 66},
    {3, 1073, kGroup, 85},  {3, 1024, kRadio, 86},  {3, 1025, kRadio, 87},  {3, 1075, kGroup, 89},
    {3, 1076, kLabel, 90},  {3, 1027, kList, 0},    {3, 1017, kButton, 66},
    {4, 1065, kGroup, 92},  {4, 1022, kGroup, 93},  {4, 1029, kList, 0},    {4, 1030, kList, 0},
    {4, 1031, kSlider, 0},  {4, 1032, kLabel, 0},   {4, 1068, kLabel, 94},  {4, 1070, kLabel, 95},
    {4, 1024, kLabel, 96},  {4, 1017, kButton, 66},
    {5, 1110, kLabel, 138}, {5, 1111, kTypedList, 0}, {5, 1112, kLabel, 139}, {5, 1113, kTypedList, 0},
    {5, 1114, kLabel, 141}, {5, 1115, kList, 0},    {5, 1116, kLabel, 142}, {5, 1117, kList, 0},
    {5, 1118, kCheck, 144}, {5, 1119, kCheck, 145}, {5, 1017, kButton, 66},
    {6, 1120, kLabel, 517}, {6, 1122, kLabel, 518}, {6, 1017, kButton, 66},
};
const int kControlCount = sizeof kControls / sizeof kControls[0];

QString TextOf(QWidget* w)
{
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return QString();
}

bool IsKind(QWidget* w, Kind k)
{
    switch (k) {
    case kGroup: return qobject_cast<QGroupBox*>(w);
    case kRadio: return qobject_cast<QRadioButton*>(w);
    case kLabel: return qobject_cast<QLabel*>(w);
    case kList: return qobject_cast<QComboBox*>(w) && !static_cast<QComboBox*>(w)->isEditable();
    case kButton: return qobject_cast<QPushButton*>(w);
    case kSlider: return qobject_cast<QSlider*>(w);
    case kCheck: return qobject_cast<QCheckBox*>(w);
    case kTypedList: return qobject_cast<QComboBox*>(w) && static_cast<QComboBox*>(w)->isEditable();
    }
    return false;
}

QStringList Items(QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}
