#include "translations/tests/translation_file.h"

#include <QFile>
#include <QXmlStreamReader>

namespace fallpack::testing {

QString TranslationFile(const QString& language) {
    return QStringLiteral(FALLPACK_TRANSLATIONS_DIR "/fallpack_%1.ts").arg(language);
}

std::vector<TranslatedText> ReadTranslationFile(const QString& path) {
    std::vector<TranslatedText> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            texts.push_back({context, xml.readElementText(), {}});
        else if (xml.name() == QLatin1String("translation") && !texts.empty())
            texts.back().translation = xml.readElementText();
    }
    return texts;
}

}  // namespace fallpack::testing
