#include "ui/network/ServeCommandWindow.h"

#include "core/launch/ServeOptions.h"
#include "core/launch/ServiceUnit.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Process.h"
#include "core/session/Session.h"
#include "core/setup/SetupFile.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/NumberSpin.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkarn {

namespace {

QPlainTextEdit* readOnlyText(const char* name, QWidget* parent) {
    auto* text = named(new QPlainTextEdit(parent), name);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(fixedPitchFont());
    return text;
}

void copyText(const QPlainTextEdit* text) {
    QApplication::clipboard()->setText(text->toPlainText());
}

} // namespace

ServeCommandWindow::ServeCommandWindow(Session& session, ServerOptions options, QWidget* parent)
    : QDialog(parent), session_(session), options_(std::move(options)) {
    setObjectName("serveCommandWindow");
    setWindowTitle("Serve");
    setupCombo_ = named(new QComboBox(this), "serveSetupCombo");
    for (const std::string& name : predefinedSetupNames(session.setupFolder()))
        setupCombo_->addItem(local(name));
    if (fileExists(session.setupFolder() + "default.vkn"))
        setupCombo_->addItem("default");
    portSpin_ = named(new NumberSpin(1, 65535, 1, DefaultServePort, this), "servePortSpin");
    rconPasswordFileEdit_ = named(new QLineEdit(this), "rconPasswordFileEdit");
    rconPasswordFileEdit_->setPlaceholderText("none: no remote console");
    saveButton_ = namedButton("Save Server O&ptions", "saveServeOptionsButton", this, true);
    commandText_ = spoken(readOnlyText("serveCommandText", this), "Serve command");
    commandText_->setMaximumHeight(commandText_->fontMetrics().lineSpacing() * 3);
    unitText_ = spoken(readOnlyText("serviceUnitText", this), "Service unit");
    copyCommandButton_ = namedButton("Copy Co&mmand", "copyServeCommandButton", this);
    copyUnitButton_ = namedButton("Copy &Unit", "copyServiceUnitButton", this);
    closeButton_ = namedButton("&Close", "closeButton", this);

    auto* form = new QFormLayout;
    form->addRow(namedLabel("&Setup", "serveSetupLabel", this, setupCombo_), setupCombo_);
    form->addRow(namedLabel("P&ort", "servePortLabel", this, portSpin_), portSpin_);
    form->addRow(namedLabel("&Remote console password file", "rconPasswordFileLabel", this,
                            rconPasswordFileEdit_),
                 rconPasswordFileEdit_);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(saveButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyCommandButton_);
    buttons->addWidget(copyUnitButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(saveRow);
    layout->addWidget(namedLabel("Ru&ns the setup's rotation with its bots and the saved options:",
                                 "serveCommandLabel", this, commandText_));
    layout->addWidget(commandText_);
    layout->addWidget(namedLabel("&Keeps it running as a systemd user service:", "serviceUnitLabel",
                                 this, unitText_));
    layout->addWidget(unitText_, 1);
    layout->addLayout(buttons);
    resize(760, 560);

    connectGuarded(setupCombo_, &QComboBox::activated, this, [this] { showChosenSetup(); });
    connectGuarded(saveButton_, &QPushButton::clicked, this, [this] { saveServeOptions(); });
    connect(copyCommandButton_, &QPushButton::clicked, this, [this] { copyText(commandText_); });
    connect(copyUnitButton_, &QPushButton::clicked, this, [this] { copyText(unitText_); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    runGuarded([this] { showChosenSetup(); });
}

std::string ServeCommandWindow::chosenSetup() const {
    return bytes(setupCombo_->currentText());
}

// "velkarn serve NAME", with the folder of Velkarn's files when it is not the usual one.
std::vector<std::string> ServeCommandWindow::serveCommand(const std::string& program) const {
    const bool ownAppDir = session_.appDir() != defaultAppDir(session_.game.layout());
    return velkarn::serveCommand(program, ownAppDir ? session_.appDir() : "", chosenSetup());
}

void ServeCommandWindow::showChosenSetup() {
    const bool chosen = setupCombo_->currentIndex() >= 0;
    for (QWidget* control : {static_cast<QWidget*>(saveButton_), static_cast<QWidget*>(portSpin_),
                             static_cast<QWidget*>(rconPasswordFileEdit_)})
        control->setEnabled(chosen);
    commandText_->clear();
    unitText_->clear();
    if (!chosen)
        return;
    commandText_->setPlainText(local(shellCommandLine(serveCommand("velkarn"))));
    unitText_->setPlainText(local(serviceUnitText(
        serveCommand(bytes(QCoreApplication::applicationFilePath())), chosenSetup())));
    ServeOptions saved;
    readServeOptions(serveOptionsPath(session_.setupFolder(), chosenSetup()), saved);
    portSpin_->setValue(saved.port);
    rconPasswordFileEdit_->setText(local(saved.rconPasswordFile));
}

void ServeCommandWindow::saveServeOptions() {
    if (setupCombo_->currentIndex() < 0)
        return;
    const std::string path = serveOptionsPath(session_.setupFolder(), chosenSetup());
    // A file that cannot be read whole is not written over with less.
    ServeOptions options;
    readServeOptions(path, options);
    options.server = options_;
    options.port = portSpin_->value();
    options.rconPasswordFile = bytes(rconPasswordFileEdit_->text());
    keepServerPassword(session_.setupFolder(), chosenSetup(), options);
    writeServeOptions(path, options);
}

} // namespace velkarn
