#include "support/AppFixture.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace velkarn::test {

void AppFixture::start() {
    windows = std::make_unique<FormSet>(app.path(), 1);
    forms().mainWindow->startUp();
}

bool AppFixture::closeMain() {
    QCloseEvent event;
    QCoreApplication::sendEvent(&mainWindow(), &event);
    return event.isAccepted();
}

} // namespace velkarn::test
