#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace velkarn {

// "Velkarn Configuration Info": free lines that describe a setup, asked for when it is saved.
// The text OK keeps stays for the whole run; the window grows and keeps its size and place.
class SetupInfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit SetupInfoWindow(QWidget* parent = nullptr);

    // The memo's lines; an emptied memo has none.
    std::vector<std::string> infoLines() const;

    // OK keeps the typed text; Escape puts back the text OK last kept.
    void accept() override;
    void reject() override;

private:
    QPlainTextEdit* infoEdit_;
    QString keptText_;
};

} // namespace velkarn
