#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

using GeoIP = struct GeoIPTag;

namespace velkarn {

struct Country {
    std::string code;     // ISO 3166 two letters, upper case ("FR")
    std::string name;     // in English, UTF-8
    std::string flagFile; // its flag image; empty when there is none
};

// The land a server stands in, from the country databases of libGeoIP (Debian's geoip-database,
// one for IPv4 and one for IPv6), read into memory at the first lookup. Only numeric addresses
// are looked up: a host name is never resolved for it, so no lookup leaves the machine. Each
// address's answer (flag included) is kept, since a server is looked up on every answer.
class CountryDatabase {
public:
    struct Files {
        std::string ipv4 = "/usr/share/GeoIP/GeoIP.dat";
        std::string ipv6 = "/usr/share/GeoIP/GeoIPv6.dat";
        // Debian's flag images, named by the lower-case code.
        std::string flags = "/usr/share/flags/countries/16x11/";
    };

    CountryDatabase(); // the system's databases and flags
    explicit CountryDatabase(Files files);
    ~CountryDatabase();
    CountryDatabase(const CountryDatabase&) = delete;
    CountryDatabase& operator=(const CountryDatabase&) = delete;

    // The country of an IPv4 or IPv6 address; nothing for a host name, an address the
    // database does not know, or a database that is missing or cannot be read.
    std::optional<Country> countryOf(const std::string& host) const;

private:
    // More than a full master list with the saved servers; past it the kept answers start over.
    static constexpr std::size_t MaxKnown = 8192;
    std::optional<Country> lookUp(const std::string& host) const;
    struct Closer {
        void operator()(GeoIP* database) const;
    };
    using Handle = std::unique_ptr<GeoIP, Closer>;
    static Handle open(const std::string& file);
    std::optional<Country> countryOfId(GeoIP* database, int id) const;
    std::string flagFileOf(const std::string& code) const;

    Files files_;
    mutable bool opened_ = false;
    mutable Handle ipv4_, ipv6_;
    mutable std::unordered_map<std::string, std::optional<Country>> known_;
};

} // namespace velkarn
