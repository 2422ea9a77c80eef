#pragma once
// The display font: loaded from and saved to the settings, or from the font chooser.

#include "settings/ILsnFont.h"

class CLsnFont : public ILsnFont {
public:
    int Init() override;
    int LoadFromOdb() override;
    int LoadFromDialog() override;
    int LoadDefault() override;
    int SaveToOdb() override;
};
