// Buffered output that notices when bytes fail to arrive.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace amorist::cli {

// Collects bytes and passes them on in large writes, to a file descriptor or,
// in tests, to a string. The first failed write is kept: from then on bytes
// are dropped, and Flush() reports it.
class Output {
public:
    explicit Output(int fd);
    explicit Output(std::string& capture);
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void Write(std::string_view bytes) {
        if (bytes.size() <= kCapacity - used_) {
            bytes.copy(buffer_.get() + used_, bytes.size());
            used_ += bytes.size();
        } else {
            WriteThrough(bytes);
        }
    }
    // Writes what is buffered. False when a write has failed, now or before.
    bool Flush();
    bool failed() const { return error_ != 0; }
    // The errno of the first failed write, 0 if none has failed.
    int error() const { return error_; }

    // A line on stderr: "amorist-cli: <message>", written at once.
    void Report(std::string_view message);

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    void WriteThrough(std::string_view bytes);
    void Send(std::string_view bytes);

    int fd_ = -1;
    std::string* capture_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};

}  // namespace amorist::cli
