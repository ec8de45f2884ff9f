#include "httpscriptclass.h"

#include <QScriptContext>
#include <QScriptEngine>

#include "http.h"
#include "httpscriptprototype.h"

HttpScriptClass::HttpScriptClass(QScriptEngine *engine)
    : QObject(nullptr)
    , QScriptClass(engine)
    , m_prototypeObject(new HttpScriptPrototype(this))
{
    qRegisterMetaType<Http>("Http");
    qRegisterMetaType<Http *>("Http*");

    m_prototype = engine->newQObject(m_prototypeObject, QScriptEngine::QtOwnership,
                                     QScriptEngine::SkipMethodsInEnumeration | QScriptEngine::ExcludeSuperClassMethods
                                         | QScriptEngine::ExcludeSuperClassProperties
                                         | QScriptEngine::ExcludeDeleteLater);
    m_prototype.setPrototype(engine->globalObject().property(QStringLiteral("Object")).property(QStringLiteral("prototype")));

    m_constructor = engine->newFunction(&HttpScriptClass::construct, m_prototype);
    m_constructor.setData(engine->newQObject(this, QScriptEngine::QtOwnership));
    engine->globalObject().setProperty(QStringLiteral("Http"), m_constructor);
}

HttpScriptClass::~HttpScriptClass() = default;

QScriptValue HttpScriptClass::newInstance()
{
    // The Http is built in place inside the variant, with all its defaults.
    const QScriptValue data = engine()->newVariant(QVariant(qMetaTypeId<Http>(), nullptr));
    QScriptValue object = engine()->newObject(this, data);
    object.setPrototype(m_prototype);
    return object;
}

int HttpScriptClass::unreachableCount() const
{
    return m_prototypeObject->unreachableCount();
}

QString HttpScriptClass::name() const
{
    return QStringLiteral("Http");
}

QScriptValue HttpScriptClass::prototype() const
{
    return m_prototype;
}

QScriptValue HttpScriptClass::construct(QScriptContext *context, QScriptEngine *)
{
    auto *scriptClass = qobject_cast<HttpScriptClass *>(context->callee().data().toQObject());
    if (!scriptClass)
        return QScriptValue();
    return scriptClass->newInstance();
}
