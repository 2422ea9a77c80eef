#pragma once
// The interface of the display font.

// The display font of the phrase screen, kept as a font description and stored in "Gnrl".
class ILsnFont {
public:
    virtual ~ILsnFont() = default;
    virtual int Init() = 0;
    virtual int LoadFromOdb() = 0;
    virtual int LoadFromDialog() = 0;
    virtual int LoadDefault() = 0;
    virtual int SaveToOdb() = 0;
};
