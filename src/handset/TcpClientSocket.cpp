#include "handset/TcpClientSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "common/Numbers.h"

namespace vt {

TcpClientSocket::~TcpClientSocket() { Close(); }

bool SplitHostPort(const std::string& text, std::string& host, int& port) {
  auto colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  long long p = 0;
  if (!TryStrToInt(text.substr(colon + 1), p) || p < 0 || p > 65535) return false;
  host = text.substr(0, colon);
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  port = int(p);
  return true;
}

bool TcpClientSocket::Connect(const std::string& host, int port, int timeoutMs, std::string* error) {
  Close();
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    return false;
  };
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* res = nullptr;
  std::string service = std::to_string(port);
  int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &res);
  if (rc != 0) return fail("cannot resolve " + host + ": " + gai_strerror(rc));
  std::string lastWhy = "no address";
  for (addrinfo* ai = res; ai; ai = ai->ai_next) {
    fd_ = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai->ai_protocol);
    if (fd_ < 0) continue;
    int r = ::connect(fd_, ai->ai_addr, ai->ai_addrlen);
    if (r != 0 && errno == EINPROGRESS) {
      pollfd p{fd_, POLLOUT, 0};
      r = ::poll(&p, 1, timeoutMs);
      if (r == 1) {
        int soerr = 0;
        socklen_t len = sizeof soerr;
        ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &soerr, &len);
        r = soerr == 0 ? 0 : -1;
        errno = soerr;
      } else {
        if (r == 0) errno = ETIMEDOUT;
        r = -1;
      }
    }
    if (r == 0) break;
    lastWhy = std::strerror(errno);
    ::close(fd_);
    fd_ = -1;
  }
  ::freeaddrinfo(res);
  if (fd_ < 0) return fail("cannot connect to " + host + ":" + service + ": " + lastWhy);
  int one = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  lastError_.clear();
  return true;
}

void TcpClientSocket::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void TcpClientSocket::SendText(const std::string& text) {
  size_t done = 0;
  while (fd_ >= 0 && done < text.size()) {
    ssize_t n = ::send(fd_, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (n > 0) {
      done += size_t(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd p{fd_, POLLOUT, 0};
      if (::poll(&p, 1, 10000) <= 0) {
        lastError_ = "send timed out";
        Close();
      }
    } else {
      lastError_ = std::string("send failed: ") + std::strerror(errno);
      Close();
    }
  }
}

bool TcpClientSocket::CheckPeerClosed() {
  if (fd_ < 0) return false;
  char c;
  ssize_t n = ::recv(fd_, &c, 1, MSG_PEEK | MSG_DONTWAIT);
  if (n == 0) {
    lastError_ = "the server closed the connection";
    Close();
  } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
    lastError_ = std::string("connection lost: ") + std::strerror(errno);
    Close();
  }
  return fd_ >= 0;
}

bool TcpClientSocket::WaitForData(int timeoutMs) {
  if (fd_ < 0) return false;
  pollfd p{fd_, POLLIN, 0};
  int r;
  do {
    r = ::poll(&p, 1, timeoutMs);
  } while (r < 0 && errno == EINTR);
  return r == 1;
}

std::string TcpClientSocket::ReceiveText() {
  std::string out;
  char buf[4096];
  while (fd_ >= 0) {
    ssize_t n = ::recv(fd_, buf, sizeof buf, MSG_DONTWAIT);
    if (n > 0) {
      out.append(buf, size_t(n));
      if (size_t(n) < sizeof buf) break;
    } else if (n == 0) {
      lastError_ = "the server closed the connection";
      Close();
    } else if (errno == EINTR) {
      continue;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      break;
    } else {
      lastError_ = std::string("receive failed: ") + std::strerror(errno);
      Close();
    }
  }
  return out;
}

}  // namespace vt
