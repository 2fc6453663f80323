#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace tw {
namespace {
const QByteArray kActivate("activate\n");
constexpr int kConnectTimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), m_key(key) { }

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyFor(const QString& title, const QString& user, const QString& storePath)
{
    // One store reached through a link, a relative path or a trailing separator is still one
    // store: the key names the folder itself.
    const QString canonical = QFileInfo(storePath).canonicalFilePath();
    const QString store = canonical.isEmpty() ? QDir::cleanPath(QDir(storePath).absolutePath()) : canonical;
    const QByteArray hash
        = QCryptographicHash::hash((title + QLatin1Char('|') + user + QLatin1Char('|') + store).toUtf8(),
                                   QCryptographicHash::Sha1)
              .toHex()
              .left(16);
    return title + QLatin1Char('-') + QString::fromLatin1(hash);
}

bool SingleInstance::claim()
{
    QLocalSocket probe;
    probe.connectToServer(m_key);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.write(kActivate);
        probe.waitForBytesWritten(kConnectTimeoutMs);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket file left by a crashed instance is stale.
    QLocalServer::removeServer(m_key);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // Lost a race with another start that is listening now: hand over to it.
        probe.connectToServer(m_key);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.write(kActivate);
            probe.waitForBytesWritten(kConnectTimeoutMs);
            return false;
        }
        return true; // no local sockets here: run without the rule rather than not at all
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kActivate.trimmed()))
                Q_EMIT activationRequested();
            socket->disconnectFromServer();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

} // namespace tw
