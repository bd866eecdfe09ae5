#pragma once

#include <QString>

// Loads the translation of the window and rezar-cli, and Qt's own (its dialogs and standard
// buttons), into the running application for LANGUAGE ("de", "de_AT"; empty: the languages of
// the user's locale, LANGUAGE included, in their order). English is the source: the first
// English language in the list, or a language without a translation of ours, loads nothing.
// Returns the name of the translation loaded, or an empty text for English.
QString InstallTranslations(const QString &language = {});
