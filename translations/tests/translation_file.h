#pragma once

#include <QString>

#include <vector>

namespace fallpack::testing {

// One text of a translation file (.ts): where it is shown, as written, and its
// translation.
struct TranslatedText {
    QString context;
    QString source;
    QString translation;
};

// The translation files in translations/, one per language the programs speak.
QString TranslationFile(const QString& language);

// The texts of a translation file; none when it cannot be read.
std::vector<TranslatedText> ReadTranslationFile(const QString& path);

}  // namespace fallpack::testing
