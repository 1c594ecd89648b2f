#pragma once

#include <QString>
#include <QStringList>

class QLabel;

namespace kit {

// The player's language. The programs are written in English; a translation
// built into the kit (":/i18n/fallpack_<language>.qm", made from the files in
// translations/) makes them speak another, with Qt's own translation of its
// standard buttons and dialogs beside it. Help pages and pictures that hold
// words come as resources named "<name>_<language>.<ext>" beside the English
// ones.

// The languages the programs speak besides English ("de", "fr"): those with a
// translation built in.
QStringList spokenLanguages();

// The first of the player's languages (most wanted first, as "fr-FR", "de",
// "C") that the programs speak, as its two-letter code; empty for English,
// when an English language (or C) comes first or none of them is spoken. Names
// that are no language are passed over.
QString chooseLanguage(const QStringList& wanted, const QStringList& spoken);

// Speaks `language` from now on: the windows created afterwards show it. An
// empty text, or a language without a translation, means English: every text
// exactly as written.
void useLanguage(const QString& language);

// The language the environment asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as QLocale::system() reads them), chosen and used as above; returns it.
// kit::Application calls it before the program creates its windows.
QString usePlayerLanguage();

// The language in use; empty for English.
QString currentLanguage();

// The resource `path` (":/orchard/help/index.html") in the language in use: its
// sibling with "_<language>" before the extension
// (":/orchard/help/index_fr.html") when there is one, else `path` itself.
QString localizedResource(const QString& path);

// Puts the picture `path` in the language in use on `label`; when there is no
// such picture (English) the label keeps the picture its form gave it.
void showLocalizedPicture(QLabel& label, const QString& path);

}  // namespace kit
