#pragma once

#include <string>

namespace velkarn {

// What a content search tells whoever runs it. The defaults ignore everything.
struct SearchObserver {
    virtual ~SearchObserver() = default;
    // One unit of progress: a map, a bot text, a model folder entry or a head skin.
    virtual void step() {}
    // A problem with an archive or an entry; the search goes on.
    virtual void message(const std::string& text) { (void)text; }
    // A chance for the caller to stay responsive (the window repaints) between archives and
    // entry reads.
    virtual void keepAlive() {}
};

} // namespace velkarn
