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

std::string AppFixture::mapRecord(const std::string& fileName, const std::string& title,
                                  int botCount, bool ffa, bool tourney, bool team, bool ctf) {
    auto flag = [](bool on) { return on ? std::string(" true\r\n") : std::string(" false\r\n"); };
    return fileName + "\r\n /games/" + fileName + ".pk3\r\n " + title + "\r\n " +
           std::to_string(botCount) + "\r\n" + flag(ffa) + flag(tourney) + flag(team) + flag(ctf) +
           "END\r\n";
}

} // namespace velkarn::test
