#pragma once

#include "core/launch/GameScript.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velkarn {

class NumberSpin;
class Session;

// "Serve": a saved setup as a dedicated server on a machine without a display. Saves the new
// server's options, with a port and a remote console password file, beside the setup
// (configs/NAME.server), and shows the `velkarn serve NAME` command that runs it with them and
// the systemd user unit that keeps it running, each with Copy. It starts nothing.
class ServeCommandWindow : public QDialog {
    Q_OBJECT
public:
    // `options` are the new server's options as its group holds them.
    ServeCommandWindow(Session& session, ServerOptions options, QWidget* parent = nullptr);

    // The setup chosen: its saved port and password file are shown, and its command and unit.
    void showChosenSetup();
    // Writes configs/NAME.server from the options, the port and the password file.
    void saveServeOptions();

private:
    std::string chosenSetup() const;
    std::vector<std::string> serveCommand(const std::string& program) const;

    Session& session_;
    ServerOptions options_;
    QComboBox* setupCombo_;
    NumberSpin* portSpin_;
    QLineEdit* rconPasswordFileEdit_;
    QPushButton* saveButton_;
    QPlainTextEdit* commandText_;
    QPlainTextEdit* unitText_;
    QPushButton* copyCommandButton_;
    QPushButton* copyUnitButton_;
    QPushButton* closeButton_;
};

} // namespace velkarn
