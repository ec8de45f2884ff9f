#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWebFrame;

namespace LocationViewer {

// The object the location and offline pages call as "webFrameTalker". It is
// given only to the program's own pages: the offline page (qrc:) and pages
// of the product site (the home address's origin).
class ApWebFrameTalker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApWebFrameTalker)

public:
    ApWebFrameTalker(QObject *parent, QWebFrame *frame, const QString &homeUrl);

    // Rebuilds the page text table in the current language.
    void translateTable();

public slots:
    void registerJavaScriptWindowObject();
    void openInBrowser(const QString &link);
    QString universeMethod(const QString &methodName, const QString &params);

private:
    QPointer<QWebFrame> m_frame;
    QString m_homeUrl;
    QHash<QString, QString> m_texts;
};

} // namespace LocationViewer
