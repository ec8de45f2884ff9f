#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QString>

#include "videodefinition.h"

class QScriptContext;
class QScriptEngine;
class QScriptValue;
class VideoInformationPluginRegistry;

// One video service plugin: a script that turns the address of a video page
// into the address of its media file. The script is loaded once to read its
// metadata; every request then runs it in a fresh engine with the host
// functions, the tool functions and the Http class installed.
//
// A script that runs for more than ten seconds in all (time spent waiting
// for page downloads left out) is stopped, at load as well as when asked for
// a video, and a whole call ends after two minutes, waits included, so that
// neither an endless loop nor endless waiting can freeze the GUI thread.
class VideoInformationPlugin final : public QObject
{
    Q_OBJECT

public:
    // The program version that plugin scripts see and that minVersion is
    // checked against; plugins are written against this interface level.
    static const QString programVersionText;
    static const int programVersionNumber;
    // Largest service icon a plugin may hand over as an array of bytes.
    static constexpr quint32 MaxIconBytes = 1024 * 1024;

    // How the last request for a video ended.
    enum class Outcome {
        Found,        // the media address is in the definition
        NoMedia,      // the script ran but found no media on the page
        Unreachable,  // the script's page requests could not reach the service
        PluginError,  // the plugin is missing or invalid, threw, or overran its time
    };

    VideoInformationPlugin(VideoInformationPluginRegistry *registry, const QString &path);
    ~VideoInformationPlugin() override;

    VideoDefinition getVideoInformation(const QString &url);
    Outcome lastOutcome() const { return m_lastOutcome; }

    QString path(bool fileNameOnly = false) const;
    QString version() const { return m_version; }
    QString minVersion() const { return m_minVersion; }
    QString author() const { return m_author; }
    QString website() const { return m_website; }
    QString id() const { return m_id; }
    QString caption() const { return m_caption; }
    bool adultContent() const { return m_adultContent; }
    bool musicSite() const { return m_musicSite; }
    bool isValid() const { return m_valid; }
    bool canSearch() const { return m_canSearch; }
    QString iconName() const { return m_iconName; }
    QImage iconImage() const { return m_icon; }
    // Needs a GUI application object, like every pixmap.
    QPixmap icon() const;

    // Bound on script running time without a yield, in milliseconds.
    static int scriptTimeLimitMs();

    // 1 when b is newer than a, -1 when a is newer than b, 0 when equal.
    static int compareVersions(QString a, QString b);
    static QString normalizeVersionStage(QString version);
    static int versionStageRank(const QString &stage);

    // Folder holding service icons fetched by the search page.
    static QString pluginsCacheFolder();

private:
    Q_DISABLE_COPY(VideoInformationPlugin)
    void load();
    void loadIcon(const QScriptValue &value);
    static void installHostFunctions(QScriptEngine *engine);
    static QScriptValue newVideoDefinition(QScriptContext *context, QScriptEngine *engine);
    static QScriptValue isPluginInstalled(QScriptContext *context, QScriptEngine *engine);
    static QScriptValue executePlugin(QScriptContext *context, QScriptEngine *engine);
    static QScriptValue programVersion(QScriptContext *context, QScriptEngine *engine);
    static QScriptValue programVersionShort(QScriptContext *context, QScriptEngine *engine);
    static QScriptValue programVersionNumberFunction(QScriptContext *context, QScriptEngine *engine);

    VideoInformationPluginRegistry *m_registry;
    QString m_script;
    QString m_version;
    QString m_minVersion;
    QString m_author;
    QString m_path;
    QString m_website;
    QString m_id;
    QString m_caption;
    QImage m_icon;
    bool m_adultContent = false;
    bool m_musicSite = false;
    bool m_valid = false;
    bool m_canSearch = false;
    QString m_iconName;
    QScriptEngine *m_engine = nullptr;
    Outcome m_lastOutcome = Outcome::PluginError;
};
