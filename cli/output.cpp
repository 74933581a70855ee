#include "cli/output.h"

#include <unistd.h>

#include <cerrno>

namespace amorist::cli {

Output::Output(int fd) : fd_(fd), buffer_(new char[kCapacity]) {}

Output::Output(std::string& capture) : capture_(&capture), buffer_(new char[kCapacity]) {}

void Output::Send(std::string_view bytes) {
    if (error_ != 0)
        return;
    if (capture_ != nullptr) {
        capture_->append(bytes);
        return;
    }
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            if (errno == EINTR)
                continue;
            error_ = errno;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Output::WriteThrough(std::string_view bytes) {
    Flush();
    if (bytes.size() < kCapacity) {
        Write(bytes);
    } else {
        Send(bytes);
    }
}

bool Output::Flush() {
    Send({buffer_.get(), used_});
    used_ = 0;
    return error_ == 0;
}

void Output::Report(std::string_view message) {
    Write("amorist-cli: ");
    Write(message);
    Write("\n");
    Flush();
}

}  // namespace amorist::cli
