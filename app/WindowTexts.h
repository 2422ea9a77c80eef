#pragma once
// Texts of the window that the interface text table does not hold: the status bar's idle
// message, the view's messages, the help window's fallback, and the status prompts and tool
// tips of the commands in every interface language. The English prompts are the resource's.

#include <QString>
#include <QStringList>

enum class EWndText {
    Ready, HelpTitle, HelpUnreadable, FilesExist, ReplaceThem, CannotOpen, CannotSave, PathTooLong,
    CannotPrint, NoPrinter, PrintMissing
};

// In the current interface language (English before there is one).
QString WndText(EWndText text);
QString WndText(EWndText text, int language);

// "prompt\ntool tip" of a command in the language; empty when the command has none.
QString CommandPrompt(int id, int language);

// Interface text index of the current language, as Qt shows it; fallback when there is none.
QString LclText(int index, const char* fallback);

// n in the current interface language: grouped ("2,380" / "2.380" / "2 380"), or grouped with
// the form of the noun of interface text formsIndex that goes with it ("3 passes").
QString LclNumberText(long long n);
QString LclCountText(long long n, int formsIndex);
// Interface text first, first + 1 or first + 2 (one, few, many) as goes with n, its
// placeholders %1, %2 ... filled in turn with args.
QString LclPluralText(int first, long long n, const QStringList& args);

// The window caption's product name (text 98), also the title of the message boxes.
QString ProductTitle();

// A menu caption as a title: the accelerator mark, the tab part and a trailing "..." go.
QString PlainCaption(const QString& caption);

// The interface language now (English before there is one).
int CurrentLanguage();
