#include "ListenSocket.h"

#include <sys/socket.h>
#include <systemd/sd-daemon.h>

#include <cstring>

int takeListenSocket(std::string& error) {
    error.clear();
    // Unsets the variables, so that nothing started later takes them as its own.
    const int count = sd_listen_fds(1);
    if (count < 0) {
        error = std::string("cannot read the sockets passed by systemd: ") + std::strerror(-count);
        return -1;
    }
    if (count == 0) return -1;
    if (count > 1) {
        error = "systemd passed " + std::to_string(count) + " sockets; one is served";
        return -1;
    }
    const int fd = SD_LISTEN_FDS_START;
    if (sd_is_socket(fd, AF_UNSPEC, SOCK_STREAM, 1) <= 0) {
        error = "the socket passed by systemd is not a listening stream socket";
        return -1;
    }
    return fd;
}
