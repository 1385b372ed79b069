#pragma once

#include "core/network/LiveServer.h"

namespace velkarn {

// A model whose rows are live servers, so the views and proxies over it reach each row's server
// without going through display texts.
class LiveServerSource {
public:
    virtual ~LiveServerSource() = default;
    virtual const LiveServer& liveServerAt(int row) const = 0;
};

} // namespace velkarn
