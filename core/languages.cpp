#include "languages.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

namespace Languages {

namespace {

// Qt takes the layout direction of a translated interface from this text of
// every translation file ("LTR" or "RTL"); listed here so that the
// translation sources keep it.
struct SourceText
{
    const char *source;
    const char *comment;
};
[[maybe_unused]] const SourceText LayoutDirectionText = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages "
    "(such as Hebrew and Arabic) to get proper widget layout.");

QTranslator *&installedTranslator()
{
    static QTranslator *translator = nullptr;
    return translator;
}

void removeTranslator()
{
    QTranslator *&current = installedTranslator();
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
    }
}

void applyDirection(const QString &name)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(name == QLatin1String("arabic") ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace

QString choose(const QString &stored, int systemLanguage, const QMap<QString, int> &table)
{
    if (stored != QLatin1String("null"))
        return stored;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        if (it.value() == systemLanguage)
            return it.key();
    }
    return QStringLiteral("english");
}

QString choose(const QString &stored, const QMap<QString, int> &table)
{
    return choose(stored, QLocale::system().language(), table);
}

QString translationFile(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".tvol");
}

QString languageFolder(const QString &programFolder) { return programFolder + QStringLiteral("/langs"); }

bool install(const QString &folder, const QString &name)
{
    removeTranslator();
    bool loaded = false;
    if (!name.isEmpty()) {
        auto *translator = new QTranslator;
        if (translator->load(translationFile(folder, name))) {
            QCoreApplication::installTranslator(translator);
            installedTranslator() = translator;
            loaded = true;
        } else {
            delete translator;
        }
    }
    // After the translator: installing one may reset the direction.
    applyDirection(name);
    return loaded;
}

bool switchTo(const QString &folder, const QString &name)
{
    if (name == QLatin1String("english")) {
        removeTranslator();
        applyDirection(name);
        return false;
    }
    return install(folder, name);
}

} // namespace Languages
