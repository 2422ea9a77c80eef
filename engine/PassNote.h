#pragma once
// What the running pass tells the learner beside the keys of its mode: the answer just typed was
// wrong, or the text has no brackets to fill in. Set by the program on the worker thread, read
// by the front-ends as they show the keys.

enum class EPassNote : int { None, WrongLetter, WrongWord, NoBrackets };

// Sets the note and, when it changed, asks for a repaint so that the front-ends show it.
void SetPassNote(EPassNote note);
EPassNote GetPassNote();
