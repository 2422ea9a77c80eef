#pragma once
// The interface of a settings group.

// A group of integer settings the settings dialog edits, with the group's defaults.
class ISttngs {
public:
    virtual ~ISttngs() = default;
    virtual int SetDefault() = 0;
    virtual int WrValue(const char* secName, const char* parName, int value) = 0;
    virtual int RdValue(const char* secName, const char* parName, int* value) = 0;
};
