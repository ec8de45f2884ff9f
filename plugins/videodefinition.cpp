#include "videodefinition.h"

#include <QScriptEngine>
#include <QScriptValue>

namespace {

QString stringProperty(const QScriptValue &object, const QString &name)
{
    const QScriptValue value = object.property(name);
    if (!value.isValid() || value.isUndefined() || value.isNull())
        return QString();
    return value.toString();
}

bool flagProperty(const QScriptValue &object, const QString &name)
{
    const QScriptValue value = object.property(name);
    return value.isValid() && value.toBool();
}

} // namespace

bool VideoDefinition::operator==(const VideoDefinition &other) const
{
    return URL == other.URL && title == other.title && extension == other.extension
        && needLogin == other.needLogin && isAudioFile == other.isAudioFile && cookies == other.cookies
        && headers == other.headers && userAgent == other.userAgent;
}

QScriptValue VideoDefinition::toScriptValue(QScriptEngine *engine, const VideoDefinition &definition)
{
    QScriptValue object = engine->newObject();
    object.setProperty(QStringLiteral("title"), definition.title);
    object.setProperty(QStringLiteral("URL"), definition.URL);
    object.setProperty(QStringLiteral("extension"), definition.extension);
    object.setProperty(QStringLiteral("isAudioFile"), definition.isAudioFile);
    object.setProperty(QStringLiteral("needLogin"), definition.needLogin);
    object.setProperty(QStringLiteral("cookies"), definition.cookies);
    object.setProperty(QStringLiteral("headers"), definition.headers);
    object.setProperty(QStringLiteral("userAgent"), definition.userAgent);
    return object;
}

void VideoDefinition::fromScriptValue(const QScriptValue &value, VideoDefinition &definition)
{
    if (!value.isObject()) {
        // Strings, numbers and undefined carry none of the properties.
        definition = VideoDefinition();
        definition.extension.clear();
        return;
    }
    definition.URL = stringProperty(value, QStringLiteral("URL"));
    definition.title = stringProperty(value, QStringLiteral("title"));
    definition.extension = stringProperty(value, QStringLiteral("extension"));
    definition.needLogin = flagProperty(value, QStringLiteral("needLogin"));
    definition.isAudioFile = flagProperty(value, QStringLiteral("isAudioFile"));
    definition.cookies = stringProperty(value, QStringLiteral("cookies"));
    definition.headers = stringProperty(value, QStringLiteral("headers"));
    definition.userAgent = stringProperty(value, QStringLiteral("userAgent"));
}

VideoDefinition VideoDefinition::fromScriptValue(const QScriptValue &value)
{
    VideoDefinition definition;
    fromScriptValue(value, definition);
    return definition;
}

void VideoDefinition::registerWith(QScriptEngine *engine)
{
    qScriptRegisterMetaType<VideoDefinition>(engine, &VideoDefinition::toScriptValue,
                                             static_cast<void (*)(const QScriptValue &, VideoDefinition &)>(
                                                 &VideoDefinition::fromScriptValue));
}
