#pragma once

#include <QString>
#include <QStringList>

// What the task store hands to the download manager for one task.
struct EngineTaskSpec
{
    qint64 id = 0;
    QString url, referer;
    QStringList mirrors;
    int urlCount = 1;
    QString savePath;
    int state = 0;
    enum Protocol { Http, Ftp } protocol = Http;
};
