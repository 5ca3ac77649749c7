#include "app/instance_channel.h"

#include "platform/qt/qt_process.h"

#include <QLocalSocket>

namespace tavolin {

namespace {

constexpr char kOpen[] = "open\n";
constexpr char kRename[] = "rename\n";

} // namespace

QString instanceSocketPath()
{
    return services::runtimeFolder() + QStringLiteral("/tavolin.socket");
}

bool handOverToRunningCopy(const shared::StartRequest &request, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(instanceSocketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message(request.rename ? kRename : kOpen);
    message += QByteArray::fromStdString(request.folder.value_or(std::string()));
    socket.write(message);
    socket.disconnectFromServer(); // after the bytes are written
    return socket.state() == QLocalSocket::UnconnectedState
           || socket.waitForDisconnected(timeoutMs);
}

InstanceServer::InstanceServer(std::function<void(const shared::StartRequest &)> open,
                               QObject *parent)
    : QObject(parent)
    , m_open(std::move(open))
{
    QObject::connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection())
            receive(socket);
    });
}

bool InstanceServer::listen()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(instanceSocketPath());
    return m_server.listen(instanceSocketPath());
}

void InstanceServer::receive(QLocalSocket *socket)
{
    // The whole message is there once the sender has closed its end, which it may have done
    // before the connection was taken.
    const auto read = [this, socket] {
        const QByteArray message = socket->readAll();
        socket->deleteLater();
        const qsizetype lineEnd = message.indexOf('\n');
        const QByteArray kind = message.left(lineEnd + 1);
        const QByteArray folder = message.mid(lineEnd + 1);
        if (lineEnd < 0 || (kind != kOpen && kind != kRename)
            || (kind == kOpen && folder.isEmpty()))
            return; // not one of ours
        m_open({folder.isEmpty() ? std::nullopt : std::optional(folder.toStdString()),
                kind == kRename});
    };
    if (socket->state() == QLocalSocket::UnconnectedState)
        read();
    else
        QObject::connect(socket, &QLocalSocket::disconnected, this, read);
}

} // namespace tavolin
