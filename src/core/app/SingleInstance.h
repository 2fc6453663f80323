#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace tw {

// One running program per title, user and store. The first instance listens
// on a local socket; a later start asks it to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `key` names the instance; see keyFor().
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first instance (and now listens);
    // false when another instance answered and was asked to come forward.
    bool claim();

    static QString keyFor(const QString& title, const QString& user, const QString& storePath);

Q_SIGNALS:
    // A second start asked the running instance to come to the front.
    void activationRequested();

private:
    void onNewConnection();

    QString m_key;
    QLocalServer* m_server = nullptr;
};

} // namespace tw
