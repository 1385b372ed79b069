#pragma once

#include "core/platform/Errors.h"

#include <string>

namespace velkarn {

// Another program (a backup tool, an sqlite3 shell) holds the results file: nothing was
// written, and reading again later goes on where the last reading stopped.
class ResultsFileBusy : public UserMessage {
public:
    explicit ResultsFileBusy(const std::string& path)
        : UserMessage("The results file " + path + " is in use by another program.") {}
};

} // namespace velkarn
