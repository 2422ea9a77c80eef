#pragma once
// Key sources and the keyboard manager: the window thread delivers keys, the worker of a pass
// waits for them and reads them. Keys that come while the worker is busy are kept in order and
// handed over one by one, at its next waits or looks.

// What WaitKbHit answers when its time passed without a key.
constexpr int kKbHitTimeOut = 3;

class IKbrd {
public:
    virtual ~IKbrd() = default;
    virtual int Init() = 0; // unused hook; 0
    virtual int GetKbrdType() = 0;
    virtual int PutKey(int code) = 0;
    // Blocks until a key comes; 0 then. A source answers 1 when a change of source is wanted
    // and 2 when the waiting thread is asked to stop.
    virtual int GetKbHit() = 0;
    // As GetKbHit, for at most ms milliseconds: 0 when a key came (or the thread is asked to
    // stop), kKbHitTimeOut when the time passed without one.
    virtual int WaitKbHit(int ms) = 0;
    // The key hit: a character. For a screen of a single-byte file it is the byte of its code
    // page, for a UTF-8 one the character's code point (plat::TypedCharToKey).
    virtual char32_t GetKey() = 0;
    virtual int IsKeyHit() = 0;
    // The key is dealt with; the next typed key, if one is queued, becomes the key hit.
    virtual int ClearKeyHit() = 0;
    // Drops every key not yet dealt with: a pass starts with none from before it.
    virtual int DropKeys() = 0;
    // The manager switches its source (2 keyboard control, 3 mouse control); a source cannot: 1.
    virtual int SetKbrdType(int type) = 0;
};
