#include "support/AppFixture.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace velkarn::test {

void AppFixture::createWindows() {
    windows.reset();
    session = std::make_unique<Session>(app.path(), 1);
    windows = std::make_unique<AppWindows>(*session);
}

void AppFixture::start() {
    createWindows();
    mainWindow().startUp();
}

bool AppFixture::closeMain() {
    QCloseEvent event;
    QCoreApplication::sendEvent(&mainWindow(), &event);
    return event.isAccepted();
}

} // namespace velkarn::test
