#pragma once

#include "settings/ILsnFont.h"

class CLsnFont : public ILsnFont {
public:
    int Init() override;
    int LoadFromOdb() override;
    int LoadFromDialog() override;
    int LoadDefault() override;
    int SaveToOdb() override;
};
