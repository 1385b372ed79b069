#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

namespace velkarn {

// "Test Report": a short report for the maintainer, saved with the program's list files.
class TestReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit TestReportWindow(const std::string& appDir, QWidget* parent = nullptr);

    QPlainTextEdit* bugsEdit;
    QPlainTextEdit* usefulEdit;
    QPlainTextEdit* ideasEdit;
    QPushButton* saveReportButton;

    // Asks where to save, writes the report with the list files, hides the window and says
    // where to send the report. Cancelling writes nothing.
    void saveReport();

private:
    std::string appDir_;
};

} // namespace velkarn
