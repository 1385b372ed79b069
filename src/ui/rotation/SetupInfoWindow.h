#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

namespace velkarn {

// "Velkarn Configuration Info": free lines that describe a setup, asked for when it is saved.
// The text stays for the whole run.
class SetupInfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit SetupInfoWindow(QWidget* parent = nullptr);

    QPlainTextEdit* infoEdit;
    QPushButton* okButton;

    // The memo's lines; an emptied memo has none.
    std::vector<std::string> infoLines() const;
};

} // namespace velkarn
