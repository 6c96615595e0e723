#pragma once
// TCP connections of this process, read from /proc: to see that no fetch
// leaves one open.
namespace vantelo::test {
// This process's TCP sockets connected to (or closing from) remote `port`.
int ClientConnectionsTo(int port);
// Whether something accepts connections on 127.0.0.1:`port`.
bool LoopbackListening(int port);
}
