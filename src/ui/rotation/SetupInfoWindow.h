#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace velkarn {

// "Velkarn Configuration Info": free lines that describe a setup, asked for when it is saved.
// The text stays for the whole run; the window grows and keeps its size and place.
class SetupInfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit SetupInfoWindow(QWidget* parent = nullptr);

    // The memo's lines; an emptied memo has none.
    std::vector<std::string> infoLines() const;

private:
    QPlainTextEdit* infoEdit_;
};

} // namespace velkarn
