#include "settings/sheet/CQtFontChooser.h"

#include "settings/sheet/LogFontQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>

namespace {
// The colours the platform's font chooser offers, without white, which the white screen would
// hide: black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime, yellow,
// blue, fuchsia, aqua.
const std::uint32_t kColours[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
                                  0x800080, 0x808000, 0x808080, 0xC0C0C0, 0x0000FF,
                                  0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00};

// The group of Qt's dialog that holds the effects' check boxes.
QGroupBox* EffectsGroup(QFontDialog& dialog)
{
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (!group->findChildren<QCheckBox*>().isEmpty() && group->layout())
            return group;
    return nullptr;
}
} // namespace

QComboBox* CQtFontChooser::AddColourList(QFontDialog& dialog, std::uint32_t current)
{
    // Qt's dialog has no colour: a list of colour swatches joins its effects, and the sample
    // shows the colour chosen.
    auto* list = new QComboBox(&dialog);
    list->setObjectName("FontColour");
    for (std::uint32_t c : kColours) {
        QPixmap swatch(32, 12);
        swatch.fill(QColorFromFontColour(c));
        list->addItem(QIcon(swatch), QString(), QVariant::fromValue(c));
    }
    if (list->findData(QVariant::fromValue(current)) < 0) {
        QPixmap swatch(32, 12);
        swatch.fill(QColorFromFontColour(current));
        list->addItem(QIcon(swatch), QString(), QVariant::fromValue(current));
    }
    list->setIconSize(QSize(32, 12));
    QLineEdit* sample = dialog.findChild<QLineEdit*>("qt_fontDialog_sampleEdit");
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list, sample] {
        if (!sample)
            return;
        QPalette pal = sample->palette();
        pal.setColor(QPalette::Text, QColorFromFontColour(list->currentData().value<std::uint32_t>()));
        sample->setPalette(pal);
    });
    list->setCurrentIndex(-1);
    list->setCurrentIndex(list->findData(QVariant::fromValue(current)));
    if (QGroupBox* effects = EffectsGroup(dialog))
        effects->layout()->addWidget(list);
    else if (dialog.layout())
        dialog.layout()->addWidget(list);
    return list;
}

QFontDatabase::WritingSystem CQtFontChooser::WritingSystemOf(const QFontDialog& dialog)
{
    // Qt's dialog keeps the writing system in a list of the writing systems' names that starts
    // with Any; the selected font does not carry it.
    const QString any = QFontDatabase::writingSystemName(QFontDatabase::Any);
    for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        if (combo->count() < 2 || combo->itemText(0) != any)
            continue;
        const QString shown = combo->currentText();
        for (int i = 0; i < QFontDatabase::WritingSystemsCount; ++i) {
            const auto ws = QFontDatabase::WritingSystem(i);
            if (QFontDatabase::writingSystemName(ws) == shown)
                return ws;
        }
    }
    return QFontDatabase::Any;
}

bool CQtFontChooser::ChooseFont(LsnLogFont& chosen, std::uint32_t& colour)
{
    QFontDialog dialog(m_Parent);
    dialog.setObjectName("FontChooser");
    // Qt's own dialog everywhere: the writing system is read from it.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    const QComboBox* colours = AddColourList(dialog, colour);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int charSet = CharSetOfWritingSystem(WritingSystemOf(dialog), chosen.lfCharSet);
    chosen = LogFontFromQFont(dialog.selectedFont(), charSet);
    colour = colours->currentData().value<std::uint32_t>();
    return true;
}
