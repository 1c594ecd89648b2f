#include "kit/desktop/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace kit {
namespace {

const QString kTranslations = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("fallpack_");
const QString kSuffix = QStringLiteral(".qm");

struct Language {
    QTranslator programs;
    QTranslator qt;
    QString code;
};

Language& language() {
    static Language* instance = new Language;  // installed for as long as the program runs
    return *instance;
}

}  // namespace

QStringList spokenLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kTranslations).entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    return languages;
}

QString chooseLanguage(const QStringList& wanted, const QStringList& spoken) {
    for (const QString& name : wanted) {
        const QLocale::Language wish = QLocale(name).language();
        const bool plainC = name == QLatin1String("C") || name.startsWith(QLatin1String("C.")) ||
                            name == QLatin1String("POSIX");
        if (wish == QLocale::English || plainC)
            return {};
        const QString code = QLocale::languageToCode(wish);
        if (wish != QLocale::C && spoken.contains(code))
            return code;
    }
    return {};
}

void useLanguage(const QString& code) {
    Language& current = language();
    QCoreApplication::removeTranslator(&current.programs);
    QCoreApplication::removeTranslator(&current.qt);
    current.code.clear();
    if (code.isEmpty() || !current.programs.load(kPrefix + code, kTranslations))
        return;
    current.code = code;
    QCoreApplication::installTranslator(&current.programs);
    // Qt's standard buttons ("&Yes", "&No") follow, when the system has Qt's
    // translations; without them they stay English.
    if (current.qt.load(QStringLiteral("qtbase_") + code,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&current.qt);
}

QString usePlayerLanguage() {
    useLanguage(chooseLanguage(QLocale::system().uiLanguages(), spokenLanguages()));
    return currentLanguage();
}

QString currentLanguage() {
    return language().code;
}

QString localizedResource(const QString& path) {
    const QString code = currentLanguage();
    if (code.isEmpty())
        return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > path.lastIndexOf(QLatin1Char('/'));
    const QString localized = hasExtension
                                  ? path.left(dot) + QLatin1Char('_') + code + path.mid(dot)
                                  : path + QLatin1Char('_') + code;
    return QFile::exists(localized) ? localized : path;
}

void showLocalizedPicture(QLabel& label, const QString& path) {
    const QString localized = localizedResource(path);
    if (localized != path)
        label.setPixmap(QPixmap(localized));
}

}  // namespace kit
