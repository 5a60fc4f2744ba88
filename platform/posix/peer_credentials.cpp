#include "platform/peer_credentials.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

bool PeerIsThisUser(int socketFd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(socketFd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
      size != sizeof credentials) {
    return false;
  }
  return credentials.uid == ::geteuid();
}

bool SocketFileIsThisUsers(const char* path) {
  struct stat st {};
  return ::lstat(path, &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid();
}
