#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The native messaging host manifests that let the browsers start
// `zantor-browser-host` for the extension, and their per-user places. The
// installed package writes the system-wide ones from the same texts.
// Qt Core only.
namespace BrowserHostManifest {

enum Family { Chromium, Firefox };

// The extension's fixed identities: the Chromium one follows from the
// public key in its manifest, the Firefox one is set in its manifest.
inline const QString ChromiumExtensionId = QStringLiteral("lphkjanheofmjfjakdjcfbbempbeonpm");
inline const QString FirefoxExtensionId = QStringLiteral("{07395772-5950-4071-b628-acfdca3fc932}");
inline const QString HostProgramName = QStringLiteral("zantor-browser-host");

// The manifest text for a browser family and the host's absolute path: only
// the extension's own identity may start the host.
QByteArray manifest(Family family, const QString &hostPath);
// File name of a manifest: the host name and ".json".
QString fileName();

struct Place
{
    QString browser;   // "Chromium", "Google Chrome", …
    QString browserFolder;   // the browser's own per-user folder
    QString manifestFolder;  // where it reads per-user host manifests
    Family family;
};
// Per-user places of Chromium, Google Chrome, Brave, Vivaldi, Microsoft
// Edge (below $XDG_CONFIG_HOME) and Firefox (below $HOME/.mozilla).
QList<Place> userPlaces();

// Writes the manifest into every place whose browser folder exists (a
// browser that was never started has none yet; the next start of the
// program catches up). Returns the manifests written.
QStringList writeUserManifests(const QString &hostPath);
// Removes this program's manifests from every place; other hosts' stay.
void removeUserManifests();

} // namespace BrowserHostManifest
