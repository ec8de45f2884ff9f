#pragma once

#include <QList>
#include <QObject>
#include <QString>

class VideoInformationPlugin;

// Owner of loaded plugins in load order. A plugin constructed with a
// registry appends itself when it loaded as valid.
class VideoInformationPluginRegistry final : public QObject
{
    Q_OBJECT

public:
    explicit VideoInformationPluginRegistry(QObject *parent = nullptr);
    ~VideoInformationPluginRegistry() override;

    // Loads the plugin file; returns it when valid (then owned here), else null.
    VideoInformationPlugin *load(const QString &path);
    void append(VideoInformationPlugin *plugin);
    // Forgets a plugin that is being destroyed elsewhere.
    void remove(VideoInformationPlugin *plugin);
    QList<VideoInformationPlugin *> plugins() const { return m_plugins; }
    // The first plugin whose file name equals fileName exactly.
    VideoInformationPlugin *find(const QString &fileName) const;

    // The registry the script functions isPluginInstalled and executePlugin
    // consult; none unless one is installed.
    static VideoInformationPluginRegistry *global();
    static void setGlobal(VideoInformationPluginRegistry *registry);

private:
    Q_DISABLE_COPY(VideoInformationPluginRegistry)
    QList<VideoInformationPlugin *> m_plugins;
};
