#include "tests/support/tcp_sockets.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace vantelo::test {

int ClientConnectionsTo(int port) {
    std::set<std::string> inodes;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (dirent* e = readdir(dir)) {
            char target[128] = {};
            const std::string link = std::string("/proc/self/fd/") + e->d_name;
            if (readlink(link.c_str(), target, sizeof target - 1) > 0) {
                const std::string t = target;
                if (t.starts_with("socket:[")) inodes.insert(t.substr(8, t.size() - 9));
            }
        }
        closedir(dir);
    }
    int count = 0;
    for (const char* table : {"/proc/self/net/tcp", "/proc/self/net/tcp6"}) {
        std::ifstream in(table);
        std::string line;
        std::getline(in, line);  // the heading
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
            fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >> timeout >> inode;
            const int remotePort = std::stoi(remote.substr(remote.find(':') + 1), nullptr, 16);
            if (remotePort == port && state != "0A" && inodes.count(inode)) ++count;  // 0A: listening
        }
    }
    return count;
}

bool LoopbackListening(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

}  // namespace vantelo::test
