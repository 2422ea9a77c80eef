#pragma once
// The settings groups the settings sheet edits, each with its defaults.

#include "settings/ISttngs.h"

class CSttngs : public ISttngs {
public:
    int SetDefault() override { return 0; }
    int WrValue(const char* secName, const char* parName, int value) override;
    int RdValue(const char* secName, const char* parName, int* value) override;
};

class CSttngs_Gnrl : public CSttngs {
public:
    int SetDefault() override;
private:
    const char* m_SecName = "Gnrl";
};

class CSttngs_VieMode : public CSttngs {
public:
    int SetDefault() override;
private:
    const char* m_SecName = "ViewMode";
};

class CSttngs_ToV : public CSttngs {
public:
    int SetDefault() override;
};

class CSttngs_OpBr : public CSttngs {
public:
    int SetDefault() override;
};

class CSttngs_AddBr : public CSttngs {
public:
    int SetDefault() override;
};

// Speech: the languages of the two texts, the rate, the variant and the two speaking options.
class CSttngs_Speech : public CSttngs {
public:
    int SetDefault() override;
};

// Memory: the desired retention.
class CSttngs_Memory : public CSttngs {
public:
    int SetDefault() override;
};
