#pragma once

#include "support/AppFixture.h"

namespace velkarn::test {

// The program's windows in a fresh list-file folder, with dialogs answered by the test.
class OptionsWindowsTest : public AppFixture {
protected:
    // Creates the windows and reads the list files written before, as a program start does,
    // saying what could not be read; then the lists show the catalogue as after a search.
    void createWindows() {
        AppFixture::createWindows();
        for (const auto& error : session->readListFiles().errors)
            dialogs.showMessage(error);
        session->catalogueRebuilt();
    }
};

} // namespace velkarn::test
