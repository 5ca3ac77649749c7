#pragma once

#include "shared/start_request.h"

#include <QLocalServer>

#include <functional>

namespace tavolin {

// How a second start hands its request to the copy that runs: a local socket in the user's
// runtime folder ("tavolin.socket"), on which the running copy listens. A start sends one line,
// "open" or "rename", then the folder's bytes from the root (none for the rename window alone),
// and closes.
QString instanceSocketPath();

// Hands `request` over to the copy that runs; false when no copy answered within `timeoutMs`.
bool handOverToRunningCopy(const shared::StartRequest &request, int timeoutMs = 3000);

// The running copy's end: every request handed over goes to `open`, in the order they came.
class InstanceServer : public QObject
{
public:
    explicit InstanceServer(std::function<void(const shared::StartRequest &)> open,
                            QObject *parent = nullptr);

    // Listens at instanceSocketPath(); the caller holds the single-instance lock, so a socket
    // left there by a copy that crashed is nobody's and is replaced.
    bool listen();

private:
    void receive(QLocalSocket *socket);

    std::function<void(const shared::StartRequest &)> m_open;
    QLocalServer m_server;
};

} // namespace tavolin
