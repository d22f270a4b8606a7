#pragma once

#include <string>

// The listening socket systemd passes to a socket-activated service
// (LISTEN_FDS, LISTEN_PID). Returns its descriptor, or -1: with an empty
// error when none was passed to this process (started by hand: bind a port
// of its own), with a reason when what was passed cannot be served.
int takeListenSocket(std::string& error);
