#pragma once

#include <QMetaType>
#include <QString>

class QScriptEngine;
class QScriptValue;

// What a plugin's getVideoInformation yields: the media address and what a
// download of it needs.
struct VideoDefinition
{
    QString URL;
    QString title;
    QString extension = QStringLiteral(".flv");
    bool needLogin = false;
    bool isAudioFile = false;
    QString cookies;
    QString headers;
    QString userAgent;

    bool operator==(const VideoDefinition &other) const;
    bool operator!=(const VideoDefinition &other) const { return !(*this == other); }

    // A new plain script object carrying the eight properties.
    static QScriptValue toScriptValue(QScriptEngine *engine, const VideoDefinition &definition);
    // Reads the eight properties; a missing property (or a value that is not
    // an object) gives an empty string or false, the extension included.
    static void fromScriptValue(const QScriptValue &value, VideoDefinition &definition);
    static VideoDefinition fromScriptValue(const QScriptValue &value);

    // Makes the type known to the engine's value conversions.
    static void registerWith(QScriptEngine *engine);
};

Q_DECLARE_METATYPE(VideoDefinition)
