#pragma once

#include <string>
#include <string_view>

// The maker's sites. Every text and address that shows a host is derived from
// these, on the desktop and on the web, so they change in one place. Every
// address is https: the referral's query carries names and e-mail addresses.
namespace amorist::sites {

inline constexpr char kMainHost[] = "www.quillmoor.com";
inline constexpr char kHelpHost[] = "help.quillmoor.com";
inline constexpr char kProductHost[] = "amorist.quillmoor.com";

// path is empty or starts with "/".
inline std::string Address(std::string_view host, std::string_view path) {
    std::string address = "https://";
    address.append(host).append(path);
    return address;
}

}  // namespace amorist::sites
