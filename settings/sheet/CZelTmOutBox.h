#pragma once
// One time-out block of a settings page: the lower and upper end of the scale in two lists, the
// time-out on a slider whose range follows the two lists, and its position in ms.

#include "settings/CZelPgVal.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QSlider;

class CZelTmOutBox : public QGroupBox {
    Q_OBJECT
public:
    // Control ids and interface texts of one block.
    struct Ids {
        int group, groupText;
        int minLabel, minText, minList;
        int maxLabel, maxText, maxList;
        int slider, position, msecLabel, msecText;
    };

    CZelTmOutBox(const Ids& ids, CZelTmOutBlock& block, QWidget* parent);

    // Values into the controls: the lists, the slider's range from them, its position.
    void DataToControls();
    // The lists' choices and the slider's position into the values.
    void ControlsToData();

private:
    void OnListChanged();
    void ShowPosition(int position);

    CZelTmOutBlock& m_Block;
    QComboBox* m_MinList;
    QComboBox* m_MaxList;
    QSlider* m_Slider;
    QLabel* m_Position;
    bool m_Showing = false;
};
