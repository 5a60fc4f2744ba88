#pragma once

// The user at the other end of a connected local socket. Only the user who runs
// the instance may talk to it, and a command talks only to its own user's
// instance.
bool PeerIsThisUser(int socketFd);
// Whether the file at path is a socket that belongs to this user.
bool SocketFileIsThisUsers(const char* path);
