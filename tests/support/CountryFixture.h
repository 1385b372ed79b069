#pragma once

#include "support/TempFolder.h"

#include <GeoIP.h>
#include <array>
#include <cstring>
#include <string>

namespace velkarn::test {

// A country database as libGeoIP reads its legacy format, made for a test: a binary tree, one
// node a bit of the address, each node two 3-byte records (the branch for bit 0, then for bit
// 1), little-endian; a record of 16776960 + N is a leaf of country N. It knows one address,
// 127.0.0.1 (IPv4) or ::1 (IPv6), as the country `code`; every other address leads to 0, not
// known. The edition byte after 0xFF 0xFF 0xFF at the end says which family it covers.
inline std::string writeCountryDatabase(const TempFolder& folder, const std::string& name,
                                        bool ipv6, const char* code) {
    constexpr unsigned CountryBegin = 16776960;
    unsigned id = 0;
    for (unsigned i = 0; i < GeoIP_num_countries(); ++i)
        if (std::strcmp(GeoIP_code_by_id(static_cast<int>(i)), code) == 0)
            id = i;
    std::array<unsigned char, 16> address{};
    if (ipv6)
        address[15] = 1;
    else
        address = {127, 0, 0, 1};
    const int bits = ipv6 ? 128 : 32;
    std::string data;
    const auto record = [&data](unsigned value) {
        for (int byte = 0; byte < 3; ++byte)
            data += static_cast<char>((value >> (8 * byte)) & 0xff);
    };
    for (int depth = 0; depth < bits; ++depth) {
        const bool one = (address[static_cast<std::size_t>(depth / 8)] >> (7 - depth % 8)) & 1;
        const unsigned taken =
            depth + 1 < bits ? static_cast<unsigned>(depth + 1) : CountryBegin + id;
        record(one ? CountryBegin : taken);
        record(one ? taken : CountryBegin);
    }
    data += "\xff\xff\xff";
    data += static_cast<char>(ipv6 ? GEOIP_COUNTRY_EDITION_V6 : GEOIP_COUNTRY_EDITION);
    return folder.write(name, data);
}

} // namespace velkarn::test
