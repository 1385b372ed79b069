#include "core/network/CountryDatabase.h"

#include "core/platform/FileSystem.h"

#include <GeoIP.h>
#include <QHostAddress>
#include <cstring>

namespace velkarn {

void CountryDatabase::Closer::operator()(GeoIP* database) const {
    GeoIP_delete(database);
}

CountryDatabase::CountryDatabase() : CountryDatabase(Files{}) {
}

CountryDatabase::CountryDatabase(Files files) : files_(std::move(files)) {
}

CountryDatabase::~CountryDatabase() = default;

CountryDatabase::Handle CountryDatabase::open(const std::string& file) {
    // A missing file is no error: the countries are simply not shown.
    if (file.empty() || !fileExists(file))
        return nullptr;
    Handle database(GeoIP_open(file.c_str(), GEOIP_MEMORY_CACHE | GEOIP_SILENCE));
    if (database)
        GeoIP_set_charset(database.get(), GEOIP_CHARSET_UTF8);
    return database;
}

std::optional<Country> CountryDatabase::countryOf(const std::string& host) const {
    if (const auto found = known_.find(host); found != known_.end())
        return found->second;
    if (known_.size() >= MaxKnown)
        known_.clear();
    return known_.emplace(host, lookUp(host)).first->second;
}

std::optional<Country> CountryDatabase::lookUp(const std::string& host) const {
    QHostAddress address;
    if (!address.setAddress(QString::fromStdString(host)))
        return std::nullopt; // a name: never resolved here
    if (!opened_) {
        opened_ = true;
        ipv4_ = open(files_.ipv4);
        ipv6_ = open(files_.ipv6);
    }
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        return ipv4_ ? countryOfId(ipv4_.get(), GeoIP_id_by_ipnum(ipv4_.get(), ipv4))
                     : std::nullopt;
    if (!ipv6_ || address.protocol() != QAbstractSocket::IPv6Protocol)
        return std::nullopt;
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    geoipv6_t ipv6;
    std::memcpy(&ipv6, bytes.c, sizeof bytes.c);
    return countryOfId(ipv6_.get(), GeoIP_id_by_ipnum_v6(ipv6_.get(), ipv6));
}

std::string CountryDatabase::flagFileOf(const std::string& code) const {
    std::string name = code;
    for (char& c : name)
        c = static_cast<char>(c - 'A' + 'a');
    const std::string file = files_.flags + name + ".png";
    return fileExists(file) ? file : std::string();
}

std::optional<Country> CountryDatabase::countryOfId(GeoIP* database, int id) const {
    // 0 is "not known"; the codes without a land ("--", "A1" for an anonymous proxy, "EU",
    // "AP") say nothing of where a server stands either.
    if (id <= 0 || static_cast<unsigned>(id) >= GeoIP_num_countries())
        return std::nullopt;
    const char* code = GeoIP_code_by_id(id);
    const char* name = GeoIP_country_name_by_id(database, id);
    if (!code || !name || std::strlen(code) != 2 || code[0] < 'A' || code[0] > 'Z' ||
        code[1] < 'A' || code[1] > 'Z' || std::strcmp(code, "EU") == 0 ||
        std::strcmp(code, "AP") == 0)
        return std::nullopt;
    return Country{code, name, flagFileOf(code)};
}

} // namespace velkarn
