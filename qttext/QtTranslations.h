#pragma once
// Qt's own texts (the standard buttons of dialogs, the file, font and print dialogs) in the
// interface language: Qt ships their translations; English needs none.

// language: LANGUAGE_ENGLISH, LANGUAGE_RUSSIAN or LANGUAGE_GERMAN. A translation that is not
// installed on the machine leaves Qt's texts in English.
void UseQtTranslations(int language);
