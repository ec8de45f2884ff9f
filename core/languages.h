#pragma once

#include <QMap>
#include <QString>

// Choice and loading of the interface language. Translation files are named
// after the language with the suffix ".tvol" and lie in "langs" beside the
// program (or in the resources for the companion programs).
namespace Languages {

// "null" picks the language of the system locale when the table has it,
// else "english". Any other stored name is used as it is.
QString choose(const QString &stored, int systemLanguage, const QMap<QString, int> &table);
QString choose(const QString &stored, const QMap<QString, int> &table);  // with the system locale

QString translationFile(const QString &folder, const QString &name);

// Replaces the installed translator with "<folder>/<name>.tvol" (nothing
// is loaded for an empty name or a missing file, which leaves the built-in
// English texts) and sets the layout direction: right to left for "arabic"
// only. Returns whether a translation file was loaded.
bool install(const QString &folder, const QString &name);
// As install(), but English loads nothing: the menu's language switch.
bool switchTo(const QString &folder, const QString &name);
// The folder of the main program's translation files.
QString languageFolder(const QString &programFolder);

} // namespace Languages
