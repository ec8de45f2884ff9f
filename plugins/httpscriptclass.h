#pragma once

#include <QObject>
#include <QScriptClass>
#include <QScriptValue>

class QScriptContext;
class HttpScriptPrototype;

// Makes the Http type available to one script engine: the global "Http"
// constructor (callable with or without new) and the shared prototype that
// carries the methods. Each script object holds its own Http as data.
class HttpScriptClass final : public QObject, public QScriptClass
{
    Q_OBJECT

public:
    explicit HttpScriptClass(QScriptEngine *engine);
    ~HttpScriptClass() override;

    QScriptValue constructor() const { return m_constructor; }
    QScriptValue newInstance();
    // Page requests of this engine's scripts that could not reach their server.
    int unreachableCount() const;

    QString name() const override;
    QScriptValue prototype() const override;

private:
    Q_DISABLE_COPY(HttpScriptClass)
    static QScriptValue construct(QScriptContext *context, QScriptEngine *engine);

    HttpScriptPrototype *m_prototypeObject;
    QScriptValue m_prototype;
    QScriptValue m_constructor;
};
