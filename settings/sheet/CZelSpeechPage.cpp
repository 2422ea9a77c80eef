#include "settings/sheet/CZelSpeechPage.h"

#include "settings/sheet/ZelText.h"
#include "speech/Speech.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Shows the item holding value, adding it at the end when no item holds it.
void ShowValue(QComboBox* list, const QString& value)
{
    int item = list->findData(value);
    if (item < 0) {
        list->addItem(value, value);
        item = list->count() - 1;
    }
    list->setCurrentIndex(item);
}

std::string Picked(const QComboBox* list, const std::string& old)
{
    return list->currentIndex() < 0 ? old : list->currentData().toString().toStdString();
}

} // namespace

CZelPrprtPg_07_Speech::CZelPrprtPg_07_Speech(QWidget* parent) : CZelPrprtPg(137, 137, parent)
{
    m_First = List(1111, this);
    m_Second = List(1113, this);
    const std::vector<speech::Voice> voices = speech::Languages();
    for (QComboBox* list : {m_First, m_Second}) {
        list->addItem(ZelText(140), QString(spch::kGuess));
        for (const speech::Voice& v : voices)
            list->addItem(QString::fromStdString(v.name + " (" + v.code + ")"), QString::fromStdString(v.code));
    }
    m_Rate = List(1115, this);
    for (int rate : {80, 100, 125, 150, 175, 200, 225, 250, 300, 350, 450})
        m_Rate->addItem(QString::number(rate), QString::number(rate));
    m_Variant = List(1117, this);
    m_Variant->addItem(ZelText(143), QString());
    for (const std::string& v : speech::Variants())
        m_Variant->addItem(QString::fromStdString(v), QString::fromStdString(v));

    auto* grid = new QGridLayout;
    const struct {
        int label, text;
        QComboBox* list;
    } rows[] = {{1110, 138, m_First}, {1112, 139, m_Second}, {1114, 141, m_Rate}, {1116, 142, m_Variant}};
    int row = 0;
    for (const auto& r : rows) {
        QLabel* label = Label(r.label, r.text, this);
        label->setBuddy(r.list);
        grid->addWidget(label, row, 0);
        grid->addWidget(r.list, row++, 1);
    }
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(12);

    m_Answers = new QCheckBox(ZelText(144), this);
    m_Answers->setObjectName("1118");
    m_Questions = new QCheckBox(ZelText(145), this);
    m_Questions->setObjectName("1119");

    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addSpacing(8);
    v->addWidget(m_Answers);
    v->addWidget(m_Questions);
    v->addStretch(1);
    v->addWidget(DefaultRow(1017));
}

void CZelPrprtPg_07_Speech::DataToControls()
{
    const spch::SSettings& s = m_Val.m_Speech;
    ShowValue(m_First, QString::fromStdString(s.first));
    ShowValue(m_Second, QString::fromStdString(s.second));
    ShowValue(m_Rate, QString::number(s.rate));
    ShowValue(m_Variant, QString::fromStdString(s.variant));
    m_Answers->setChecked(s.speakAnswers);
    m_Questions->setChecked(s.speakQuestions);
}

void CZelPrprtPg_07_Speech::ControlsToData()
{
    spch::SSettings& s = m_Val.m_Speech;
    s.first = Picked(m_First, s.first);
    s.second = Picked(m_Second, s.second);
    if (m_Rate->currentIndex() >= 0)
        s.rate = m_Rate->currentData().toInt();
    s.variant = Picked(m_Variant, s.variant);
    s.speakAnswers = m_Answers->isChecked();
    s.speakQuestions = m_Questions->isChecked();
}
