#include "videoinformationpluginregistry.h"

#include "videoinformationplugin.h"

namespace {
VideoInformationPluginRegistry *globalRegistry = nullptr;
}

VideoInformationPluginRegistry::VideoInformationPluginRegistry(QObject *parent)
    : QObject(parent)
{
}

VideoInformationPluginRegistry::~VideoInformationPluginRegistry()
{
    if (globalRegistry == this)
        globalRegistry = nullptr;
    const QList<VideoInformationPlugin *> plugins = m_plugins;
    m_plugins.clear();
    qDeleteAll(plugins);
}

void VideoInformationPluginRegistry::remove(VideoInformationPlugin *plugin)
{
    m_plugins.removeAll(plugin);
}

VideoInformationPlugin *VideoInformationPluginRegistry::load(const QString &path)
{
    auto *plugin = new VideoInformationPlugin(this, path);
    if (plugin->isValid())
        return plugin;
    delete plugin;
    return nullptr;
}

void VideoInformationPluginRegistry::append(VideoInformationPlugin *plugin)
{
    if (plugin && !m_plugins.contains(plugin))
        m_plugins.append(plugin);
}

VideoInformationPlugin *VideoInformationPluginRegistry::find(const QString &fileName) const
{
    for (VideoInformationPlugin *plugin : m_plugins) {
        if (plugin->path(true) == fileName)
            return plugin;
    }
    return nullptr;
}

VideoInformationPluginRegistry *VideoInformationPluginRegistry::global()
{
    return globalRegistry;
}

void VideoInformationPluginRegistry::setGlobal(VideoInformationPluginRegistry *registry)
{
    globalRegistry = registry;
}
