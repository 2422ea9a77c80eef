#include "app/WindowTexts.h"

#include "locale/CLocal.h"
#include "locale/LclCount.h"
#include "locale/MemoryTexts.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatCodePage.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"

#include <map>

namespace {

struct STexts {
    const char* en;
    const char* ru;
    const char* de;
};

const char* Pick(const STexts& t, int language)
{
    return language == LANGUAGE_RUSSIAN ? t.ru : language == LANGUAGE_GERMAN ? t.de : t.en;
}

const STexts& Messages(EWndText text)
{
    static const std::map<EWndText, STexts> texts = {
        {EWndText::Ready, {"Ready", "Готово", "Bereit"}},
        {EWndText::HelpTitle, {"Lexido Help", "Справка Lexido", "Lexido Hilfe"}},
        {EWndText::HelpUnreadable,
         {"The help files of the program folder (Lexido.hlp, Lexido.cnt) cannot be shown:",
          "Файлы справки в папке программы (Lexido.hlp, Lexido.cnt) не удаётся показать:",
          "Die Hilfedateien im Programmordner (Lexido.hlp, Lexido.cnt) lassen sich nicht anzeigen:"}},
        {EWndText::FilesExist,
         {"These files exist already and will be replaced:", "Эти файлы уже существуют и будут заменены:",
          "Diese Dateien gibt es schon, sie werden ersetzt:"}},
        {EWndText::ReplaceThem, {"Replace them?", "Заменить их?", "Ersetzen?"}},
        {EWndText::CannotOpen, {"This file cannot be opened:", "Этот файл не удаётся открыть:",
                                "Diese Datei kann nicht geöffnet werden:"}},
        {EWndText::CannotSave,
         {"The results cannot be saved into this folder:", "Результаты не удаётся сохранить в эту папку:",
          "Die Ergebnisse können nicht in diesem Ordner gespeichert werden:"}},
        {EWndText::PathTooLong,
         {"This path is too long to be used:", "Этот путь слишком длинный:", "Dieser Pfad ist zu lang:"}},
        {EWndText::CannotPrint,
         {"The screen could not be printed: the printer is not available.",
          "Экран не удалось напечатать: принтер недоступен.",
          "Der Bildschirm konnte nicht gedruckt werden: der Drucker ist nicht erreichbar."}},
        {EWndText::NoPrinter,
         {"No printer is installed. Print with Ctrl+P to choose where to print.",
          "Принтер не установлен. Напечатайте через Ctrl+P, чтобы выбрать, куда печатать.",
          "Kein Drucker ist eingerichtet. Drucken Sie mit Strg+P, um das Ziel zu wählen."}},
        {EWndText::PrintMissing,
         {"Printing is not possible: %1", "Печать невозможна: %1", "Drucken ist nicht möglich: %1"}},
    };
    return texts.at(text);
}

// The prompts in Russian and German ("prompt\ntool tip"), for the commands the resource has a
// prompt for.
const std::map<int, std::pair<const char*, const char*>>& Prompts()
{
    using namespace res;
    static const std::map<int, std::pair<const char*, const char*>> prompts = {
        {ID_SLFILE_FIRSTFILEOPEN, {"Открыть файл для работы", "Datei zum Üben öffnen"}},
        {ID_FILE_OPEN, {"Открыть файл для работы\nОткрыть", "Datei zum Üben öffnen\nÖffnen"}},
        {ID_SLFILE_IMPORT,
         {"Сделать файл фраз из слов другой программы или таблицы",
          "Eine Phrasendatei aus Wörtern eines anderen Trainers oder einer Tabelle machen"}},
        {ID_SLFILE_EXPORT,
         {"Записать открытый файл фраз как таблицу, словарь kvtml или заметки Anki",
          "Die offene Phrasendatei als Tabelle, kvtml-Vokabeln oder Anki-Notizen schreiben"}},
        {ID_SLFILE_SAVERESULTSAS,
         {"Сохранить результаты итераций просмотра файла", "Ergebnisse der Iterationen speichern"}},
        {ID_FILE_SAVE, {"Сохранить результаты\nСохранить", "Ergebnisse speichern\nSpeichern"}},
        {ID_SLFILE_SETTINGS, {"Изменить настройки программы", "Programmeinstellungen ändern"}},
        {ID_SLFILE_EXIT, {"Выйти из программы", "Programm beenden"}},
        {ID_KEYBOARD_KEYBOARDONLY, {"Включить управление с клавиатуры", "Steuerung mit der Tastatur"}},
        {ID_KEYBOARD_KEYBOARDMOUSE, {"Включить управление мышью", "Steuerung mit der Maus"}},
        {ID_DIRECTION_1ST2ND,
         {"Переводить фразы с 1-го языка на 2-й", "Sätze aus der 1. Sprache in die 2. übersetzen"}},
        {ID_DIRECTION_2ND1ST,
         {"Переводить фразы со 2-го языка на 1-й", "Sätze aus der 2. Sprache in die 1. übersetzen"}},
        {ID_MODE_INWHOLE, {"Показывать фразы целиком", "Ganze Sätze zeigen"}},
        {ID_MODE_WORDBYWORD, {"Показывать фразы слово за словом", "Sätze Wort für Wort zeigen"}},
        {ID_MODE_TIMEOUTINWHOLE, {"Показывать фразы целиком с таймаутом", "Ganze Sätze mit Timeout zeigen"}},
        {ID_MODE_TIMEOUTWORDBYWORD,
         {"Показывать фразы слово за словом с таймаутом", "Sätze Wort für Wort mit Timeout zeigen"}},
        {ID_MODE_WHICHLETTER,
         {"Идти вперёд, вводя первую букву каждого слова",
          "Weiter durch Eingabe des ersten Buchstabens jedes Wortes"}},
        {ID_MODE_OPENBRACKETSWHOLEWORD,
         {"Открывать скобки, вводя слово целиком", "Klammern öffnen durch Eingabe des ganzen Wortes"}},
        {ID_MODE_OPENBRACKETS1LETTER,
         {"Открывать скобки, вводя только первую букву каждого слова",
          "Klammern öffnen durch Eingabe nur des ersten Buchstabens jedes Wortes"}},
        {ID_MODE_OPENBRACKETSWHOLEWORDNI,
         {"Открывать скобки, вводя слово целиком, в тексте без перевода",
          "Klammern öffnen durch Eingabe des ganzen Wortes, im Text ohne Übersetzung"}},
        {ID_MODE_OPENBRACKETS1LETTERNI,
         {"Открывать скобки, вводя первую букву каждого слова, в тексте без перевода",
          "Klammern öffnen durch Eingabe des ersten Buchstabens jedes Wortes, im Text ohne Übersetzung"}},
        {ID_MODE_TYPEANSWER,
         {"Вводить перевод каждой фразы и видеть, насколько он точен",
          "Die Antwort jedes Satzes eintippen und sehen, wie genau sie ist"}},
        {ID_MODE_CHOOSEANSWER,
         {"Выбирать перевод каждой фразы из четырёх", "Die Antwort jedes Satzes unter vier auswählen"}},
        {ID_MODE_ADDBRACKETS,
         {"Сделать доступным меню «Добавить скобки»", "Das Menü „Klammern hinzufügen“ freigeben"}},
        {ID_RUN_FIRSTITERATION, {"Начать первую итерацию просмотра файла", "Erste Iteration über die Datei beginnen"}},
        {ID_TB_FIRSTITERATION,
         {"Начать первую итерацию просмотра файла\nПервая итерация",
          "Erste Iteration über die Datei beginnen\nErste Iteration"}},
        {ID_RUN_NEXTITERATION, {"Начать следующую итерацию просмотра файла", "Nächste Iteration beginnen"}},
        {ID_TB_NEXTITERATION,
         {"Начать следующую итерацию просмотра файла\nСледующая итерация",
          "Nächste Iteration beginnen\nNächste Iteration"}},
        {ID_RUN_NEXTFILE,
         {"Начать первую итерацию для следующего файла", "Erste Iteration der nächsten Datei beginnen"}},
        {ID_TB_NEXTFILE,
         {"Начать первую итерацию для следующего файла\nСледующий файл",
          "Erste Iteration der nächsten Datei beginnen\nNächste Datei"}},
        {ID_RUN_PREVIOUSFILE,
         {"Начать первую итерацию для предыдущего файла", "Erste Iteration der vorherigen Datei beginnen"}},
        {ID_TB_PREVIOUSFILE,
         {"Начать первую итерацию для предыдущего файла\nПредыдущий файл",
          "Erste Iteration der vorherigen Datei beginnen\nVorherige Datei"}},
        {ID_ADDBRACKETS_WORDBYWORD,
         {"Начать просмотр файла слово за словом с добавлением скобок",
          "Datei Wort für Wort zeigen und Klammern hinzufügen"}},
        {ID_ADDBRACKETS_TIMEOUT,
         {"Начать просмотр файла с таймаутом и добавлением скобок",
          "Datei mit Timeout zeigen und Klammern hinzufügen"}},
        {ID_FILE_NEW, {"Прервать текущую итерацию\nПрервать", "Laufende Iteration abbrechen\nAbbrechen"}},
        {ID_SPEAK,
         {"Произнести последний показанный текст на его языке\nПроизнести",
          "Den zuletzt gezeigten Text in seiner Sprache sprechen\nSprechen"}},
        {ID_APP_ABOUT,
         {"Показать название программы, её версию и автора\nО программе",
          "Name, Version und Hersteller des Programms zeigen\nÜber Lexido"}},
        {ID_HELP_FINDER, {"Показать содержание справки\nСодержание", "Inhalt der Hilfe zeigen\nHilfeinhalt"}},
        {ID_CONTEXT_HELP,
         {"Щёлкните кнопку, пункт меню или окно, чтобы получить справку о нём\nКонтекстная справка",
          "Klicken Sie auf eine Schaltfläche, einen Menüpunkt oder das Fenster, um Hilfe dazu zu "
          "erhalten\nKontexthilfe"}},
        {ID_HELP,
         {"Показать справку о текущей задаче или команде\nСправка",
          "Hilfe zur aktuellen Aufgabe oder zum Befehl zeigen\nHilfe"}},
        {ID_VIEW_TOOLBAR,
         {"Показать или скрыть панель инструментов\nПанель инструментов", "Symbolleiste zeigen oder verbergen\nSymbolleiste"}},
        {ID_VIEW_STATUS_BAR,
         {"Показать или скрыть строку состояния\nСтрока состояния", "Statusleiste zeigen oder verbergen\nStatusleiste"}},
        {ID_VIEW_PROGRESS,
         {"Показать проходы по изученным файлам, день за днём\nПрогресс",
          "Die Durchgänge der geübten Dateien zeigen, Tag für Tag\nFortschritt"}},
        {ID_VIEW_LAYOUT_COMFORTABLE,
         {"Показывать фразы с полями, более крупным шрифтом\nУдобный вид",
          "Die Sätze mit Rändern und in größerer Schrift zeigen\nBequeme Ansicht"}},
        {ID_VIEW_LAYOUT_CLASSIC,
         {"Показывать фразы от левого верхнего угла, как раньше\nКлассический вид",
          "Die Sätze wie bisher von der linken oberen Ecke an zeigen\nKlassische Ansicht"}},
        {ID_RUN_REVIEWDUE,
         {"Повторить фразы, которым подошёл срок, из всех изученных файлов\nПовторение на сегодня",
          "Die heute fälligen Sätze aller geübten Dateien wiederholen\nFällige wiederholen"}},
    };
    return prompts;
}

} // namespace

int CurrentLanguage()
{
    return g_pILocal ? g_pILocal->GetLanguage() : LANGUAGE_ENGLISH;
}

QString WndText(EWndText text, int language)
{
    return QString::fromUtf8(Pick(Messages(text), language));
}

QString WndText(EWndText text)
{
    return WndText(text, CurrentLanguage());
}

QString CommandPrompt(int id, int language)
{
    if (language == LANGUAGE_RUSSIAN || language == LANGUAGE_GERMAN) {
        const auto it = Prompts().find(id);
        if (it != Prompts().end())
            return QString::fromUtf8(language == LANGUAGE_RUSSIAN ? it->second.first : it->second.second);
    }
    const char* prompt = res::Prompt(id);
    return prompt ? FromCodePage(prompt, plat::kCpWestern) : QString();
}

QString LclText(int index, const char* fallback)
{
    const char* t = g_pILocal ? g_pILocal->GetText(index) : nullptr;
    return FromCodePage(t && *t ? t : fallback, CLocal::CodePage(CurrentLanguage()));
}

QString LclNumberText(long long n)
{
    const int language = CurrentLanguage();
    return FromCodePage(LclNumber(n, language).c_str(), CLocal::CodePage(language));
}

QString LclCountText(long long n, int formsIndex)
{
    const int language = CurrentLanguage();
    const char* forms = g_pILocal ? g_pILocal->GetText(formsIndex) : nullptr;
    return FromCodePage(LclCount(n, forms, language).c_str(), CLocal::CodePage(language));
}

QString LclPluralText(int first, long long n, const QStringList& args)
{
    // Three texts a count: one, few and many; English and German know one and many only.
    const int language = CurrentLanguage();
    const int form = LclPluralForm(n, language);
    QString text = LclText(first + (language != LANGUAGE_RUSSIAN && form == 1 ? 2 : form), "");
    for (const QString& arg : args)
        text = text.arg(arg);
    return text;
}

QString ProductTitle()
{
    return LclText(98, "Lexido");
}

QString PlainCaption(const QString& caption)
{
    QString plain = caption.left(caption.indexOf('\t'));
    plain.remove('&');
    if (plain.endsWith("..."))
        plain.chop(3);
    return plain.trimmed();
}
