#include "app/Language.h"

#include "view/WindowSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quillon
{

namespace
{
const QString kKey = QStringLiteral("language");
} // namespace

QStringList Language::codes()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("zh_CN")};
}

QString Language::nativeName(const QString& code)
{
    // Qt names English by its region and Chinese by its script; the menu wants neither.
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    if (code == QLatin1String("zh_CN"))
        return QStringLiteral("简体中文");
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

QString Language::chosen()
{
    const QString code = WindowSettings::value(kKey).toString();
    return codes().contains(code) ? code : QString();
}

void Language::choose(const QString& code)
{
    WindowSettings::setValue(kKey, codes().contains(code) ? code : QString());
}

QString Language::effective(const QStringList& systemLanguages)
{
    if (const QString code = chosen(); !code.isEmpty())
        return code;
    for (const QString& lang : systemLanguages) {
        // "de-DE", "zh-Hans-CN", "en-US": the first one translated wins; Chinese means the
        // simplified script unless the system says otherwise.
        const QLocale locale(lang);
        if (locale.language() == QLocale::English)
            return QStringLiteral("en");
        if (locale.language() == QLocale::German)
            return QStringLiteral("de");
        if (locale.language() == QLocale::Chinese &&
            locale.script() != QLocale::TraditionalChineseScript)
            return QStringLiteral("zh_CN");
    }
    return QStringLiteral("en");
}

bool Language::install(const QString& code)
{
    if (code == QLatin1String("en") || !codes().contains(code))
        return code == QLatin1String("en");
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/quillon_%1.qm").arg(code))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's standard dialogs and buttons (file forms, Yes/No, Cancel).
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace quillon
