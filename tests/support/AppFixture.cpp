#include "support/AppFixture.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace velkarn::test {

void AppFixture::start() {
    windows = std::make_unique<FormSet>(app.path(), 1);
    forms().fmMain->FormShow();
}

bool AppFixture::closeMain() {
    QCloseEvent event;
    QCoreApplication::sendEvent(&main(), &event);
    return event.isAccepted();
}

} // namespace velkarn::test
