#include "settings/sheet/CZelSpeechPage.h"

#include "locale/CLocal.h"
#include "locale/LclFill.h"
#include "locale/LocaleGlobals.h"
#include "qttext/CodePageText.h"
#include "settings/sheet/ZelText.h"
#include "speech/LanguageTags.h"
#include "speech/SpeechKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The item of the language code: the one holding it, or that of the voice saying it; -1 for none.
int ItemFor(const QComboBox* list, const QString& code, const std::vector<speech::Voice>& voices)
{
    const int item = list->findData(code);
    if (item >= 0)
        return item;
    const speech::Voice* voice = speech::VoiceFor(code.toStdString(), voices);
    return voice ? list->findData(QString::fromStdString(voice->code)) : -1;
}

// Shows the item of value, adding it at the end when no item holds it.
void ShowValue(QComboBox* list, const QString& value, const std::vector<speech::Voice>& voices = {})
{
    int item = ItemFor(list, value, voices);
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
    // The voices come from the engine, loaded now if it was not yet; none without it.
    speech::ISpeechKit* kit = speech::Kit();
    if (kit)
        m_Voices = kit->Languages();
    for (QComboBox* list : {m_First, m_Second}) {
        list->addItem(ZelText(140), QString(spch::kGuess));
        for (const speech::Voice& v : m_Voices)
            list->addItem(QString::fromStdString(v.name + " (" + v.code + ")"), QString::fromStdString(v.code));
        // A code is typed whole: completing it to a voice's name would pick another language.
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        connect(list->lineEdit(), &QLineEdit::editingFinished, this, [this, list] { TakeTyped(list); });
    }
    m_Rate = List(1115, this);
    for (int rate : {80, 100, 125, 150, 175, 200, 225, 250, 300, 350, 450})
        m_Rate->addItem(QString::number(rate), QString::number(rate));
    m_Variant = List(1117, this);
    m_Variant->addItem(ZelText(143), QString());
    for (const std::string& v : kit ? kit->Variants() : std::vector<std::string>())
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

    m_Note = new QLabel(this);
    m_Note->setObjectName("SpeechNote");
    m_Note->setWordWrap(true); // empty until a typed code finds no voice

    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addWidget(m_Note);
    v->addSpacing(8);
    v->addWidget(m_Answers);
    v->addWidget(m_Questions);
    v->addStretch(1);
    v->addWidget(DefaultRow(1017));
}

void CZelPrprtPg_07_Speech::DataToControls()
{
    const spch::SSettings& s = m_Val.m_Speech;
    ShowValue(m_First, QString::fromStdString(s.first), m_Voices);
    ShowValue(m_Second, QString::fromStdString(s.second), m_Voices);
    ShowValue(m_Rate, QString::number(s.rate));
    ShowValue(m_Variant, QString::fromStdString(s.variant));
    m_Answers->setChecked(s.speakAnswers);
    m_Questions->setChecked(s.speakQuestions);
}

void CZelPrprtPg_07_Speech::ControlsToData()
{
    spch::SSettings& s = m_Val.m_Speech;
    TakeTyped(m_First);
    TakeTyped(m_Second);
    s.first = Picked(m_First, s.first);
    s.second = Picked(m_Second, s.second);
    if (m_Rate->currentIndex() >= 0)
        s.rate = m_Rate->currentData().toInt();
    s.variant = Picked(m_Variant, s.variant);
    s.speakAnswers = m_Answers->isChecked();
    s.speakQuestions = m_Questions->isChecked();
}

void CZelPrprtPg_07_Speech::TakeTyped(QComboBox* list)
{
    const int current = list->currentIndex();
    const QString typed = list->currentText().trimmed();
    if (current >= 0 && typed == list->itemText(current))
        return;
    int item = list->findText(typed, Qt::MatchFixedString);
    if (item < 0)
        item = ItemFor(list, typed, m_Voices);
    if (item >= 0) {
        list->setCurrentIndex(item);
        list->setEditText(list->itemText(item));
        m_Note->clear();
        return;
    }
    // No voice says it: the language stays, and the note says why.
    list->setEditText(current >= 0 ? list->itemText(current) : QString());
    const int cp = CLocal::InterfaceCodePage();
    const std::string note =
        FillText(g_pILocal ? g_pILocal->GetText(424) : nullptr, {ToCodePage(typed, cp).toStdString()});
    m_Note->setText(FromCodePage(note.c_str(), cp));
}
