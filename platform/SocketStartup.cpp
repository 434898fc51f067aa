#include "SocketStartup.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

bool StartSocketLibrary()
{
#ifdef _WIN32
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
#else
    const int probe = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (probe < 0)
        return false;
    ::close(probe);
    return true;
#endif
}
