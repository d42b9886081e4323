#include <poll.h>
#include <termios.h>

#include <asio.hpp>
#include <chrono>
#include <stdexcept>

#include "sockmgr/server/Backend.h"

namespace vt::sockmgr {

struct SerialBackend::Impl {
  SerialOptions options;
  asio::io_context io;
  asio::serial_port port{io};
};

SerialBackend::SerialBackend(const SerialOptions& options) : impl_(std::make_unique<Impl>()) {
  impl_->options = options;
  if (impl_->options.quietGapMs < 1) impl_->options.quietGapMs = 1;
  asio::error_code ec;
  impl_->port.open(options.device, ec);
  if (ec) throw std::runtime_error("cannot open " + options.device + ": " + ec.message());
  using SP = asio::serial_port;
  impl_->port.set_option(SP::baud_rate(options.baud), ec);
  if (ec) throw std::runtime_error("cannot set " + std::to_string(options.baud) + " baud on " +
                                   options.device + ": " + ec.message());
  impl_->port.set_option(SP::character_size(8), ec);
  if (!ec) impl_->port.set_option(SP::parity(SP::parity::none), ec);
  if (!ec) impl_->port.set_option(SP::stop_bits(SP::stop_bits::one), ec);
  if (!ec) impl_->port.set_option(SP::flow_control(SP::flow_control::none), ec);
  if (ec) throw std::runtime_error("cannot set up " + options.device + ": " + ec.message());
}

SerialBackend::~SerialBackend() = default;

std::string SerialBackend::Describe() const {
  return "serial handset on " + impl_->options.device + " at " +
         std::to_string(impl_->options.baud) + " baud";
}

std::string SerialBackend::Execute(const std::string& line, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  auto& port = impl_->port;
  const auto& opt = impl_->options;
  int fd = port.native_handle();
  ::tcflush(fd, TCIFLUSH);  // whatever the handset said unasked belongs to nobody
  asio::error_code ec;
  asio::write(port, asio::buffer(line), ec);
  if (ec) return {};

  std::string answer;
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  char buf[1024];
  for (;;) {
    auto now = Clock::now();
    if (now >= deadline) break;
    int wait = int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count());
    if (!answer.empty() && wait > opt.quietGapMs) wait = opt.quietGapMs;
    pollfd p{fd, POLLIN, 0};
    int r = ::poll(&p, 1, wait < 1 ? 1 : wait);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) {
      if (!answer.empty()) break;  // the quiet gap ended the answer
      continue;
    }
    if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) {
      if (!(p.revents & POLLIN)) break;
    }
    size_t n = port.read_some(asio::buffer(buf), ec);
    if (ec) break;
    answer.append(buf, n);
    if (!opt.prompt.empty() && answer.size() >= opt.prompt.size() &&
        answer.compare(answer.size() - opt.prompt.size(), opt.prompt.size(), opt.prompt) == 0)
      break;
  }
  return answer;
}

}  // namespace vt::sockmgr
