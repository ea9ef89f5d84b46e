#pragma once
// Lets the program end cleanly when the system asks it to (SIGTERM, SIGINT, SIGHUP):
// the request arrives as an ordinary event on the user-interface thread.

#include <functional>

namespace qm {

void onTerminationRequest(std::function<void()> handler);

}  // namespace qm
