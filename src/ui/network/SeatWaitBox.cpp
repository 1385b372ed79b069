#include "ui/network/SeatWaitBox.h"

#include "core/network/SeatWatcher.h"
#include "core/platform/Errors.h"
#include "core/session/Session.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/DesktopNotifier.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace velkarn {

namespace {

constexpr int DefaultGiveUpMinutes = 10;
constexpr int MaxGiveUpMinutes = 24 * 60;

} // namespace

SeatWaitBox::SeatWaitBox(Session& session, std::function<SavedServer()> target, QueryTiming timing,
                         QWidget* parent)
    : QWidget(parent), session_(session), target_(std::move(target)), timing_(timing),
      notifier_(new DesktopNotifier(this)) {
    setObjectName("seatWaitBox");
    waitButton_ = namedButton("&Queue to Join", "joinWhenFreeButton", this);
    giveUpSpin_ = named(new QSpinBox(this), "giveUpSpin");
    giveUpSpin_->setRange(1, MaxGiveUpMinutes);
    giveUpSpin_->setValue(DefaultGiveUpMinutes);
    // Every letter of the Network page is some control's mnemonic already, so the spin box says
    // what it is itself rather than through a label.
    giveUpSpin_->setPrefix("Give up after ");
    giveUpSpin_->setSuffix(" min");
    spoken(giveUpSpin_, "Give up after", "Minutes to wait for a free place");
    statusLabel_ = named(new QLabel(this), "seatWaitStatus");
    statusLabel_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(statusLabel_, 1);
    layout->addWidget(giveUpSpin_);
    layout->addWidget(waitButton_);
    connectGuarded(waitButton_, &QPushButton::clicked, this, [this] { startOrCancel(); });
}

void SeatWaitBox::startOrCancel() {
    if (watcher_) {
        delete watcher_;
        watcher_ = nullptr;
        showWaiting(false, "Stopped waiting for " + serverName() + ".");
        return;
    }
    server_ = target_();
    const auto address = parseServerAddress(server_.address);
    if (!address)
        throw UserMessage("'" + server_.address + "' is not a server address!");
    watcher_ =
        new SeatWatcher({timing_.seatWaitMs, giveUpSpin_->value() * 60 * 1000, timing_}, this);
    connect(watcher_, &SeatWatcher::stillFull, this, [this](const ServerStatus& status) {
        statusLabel_->setText(serverName() + " is full (" + local(status.playersText()) +
                              "): waiting for a public place.");
    });
    connect(watcher_, &SeatWatcher::gaveUp, this, [this] {
        watcher_->deleteLater();
        watcher_ = nullptr;
        showWaiting(false, "No public place came free on " + serverName() + ".");
    });
    connectGuarded(watcher_, &SeatWatcher::placeFree, this, [this] { takePlace(); });
    watcher_->watch(*address);
    showWaiting(true, "Asking " + serverName() + "...");
}

void SeatWaitBox::takePlace() {
    watcher_->deleteLater();
    watcher_ = nullptr;
    showWaiting(false, "Joined " + serverName() + ".");
    session_.join(server_);
    notifier_->notify("A place is free",
                      "Joining " + serverName() + " (" + local(server_.address) + ")");
}

// A found server that never answered has no host name: its address names it instead.
QString SeatWaitBox::serverName() const {
    return local(server_.name.empty() ? server_.address : server_.name);
}

void SeatWaitBox::showWaiting(bool waiting, const QString& status) {
    waitButton_->setText(waiting ? "Stop &Queueing" : "&Queue to Join");
    giveUpSpin_->setEnabled(!waiting);
    statusLabel_->setText(status);
}

} // namespace velkarn
