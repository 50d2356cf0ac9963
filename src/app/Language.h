#pragma once

#include <QString>
#include <QStringList>

namespace quillon
{

// The language of the window. English is the source; a translation is chosen from the system's
// locale unless the user picked one in Tools -> "Language", which takes effect at the next start.
// Files, reports, the command line and the instrument never follow it.
class Language
{
public:
    // The codes the program is translated into, English first ("en", "de", "zh_CN").
    static QStringList codes();
    // A language's name in that language itself ("Deutsch"), as menus of languages show it.
    static QString nativeName(const QString& code);

    // The code the user picked, empty for the system's language.
    static QString chosen();
    static void choose(const QString& code);

    // The code to use: the chosen one, else the first of the system's UI languages translated.
    static QString effective(const QStringList& systemLanguages);

    // Installs the program's translation and Qt's own for `code` into the application. False
    // when a translation is missing ("en" has none to install and succeeds).
    static bool install(const QString& code);
};

} // namespace quillon
