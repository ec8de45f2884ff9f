#pragma once

class QNetworkProxy;

// The embedded web pages, as the download manager sees them: it hands them
// the search proxy after reading the settings. The manager may read its
// settings from the policing thread, so an implementation that owns widgets
// or network managers of the GUI thread must pass the proxy on to that thread.
class ApSearchProxyTarget
{
public:
    virtual ~ApSearchProxyTarget() = default;
    virtual void applySearchProxy(const QNetworkProxy &proxy) = 0;
};
