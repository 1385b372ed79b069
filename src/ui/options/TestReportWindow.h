#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace velkarn {

// "Test Report": a short report for the maintainer, saved with the program's list files. Its
// answers grow with the window, which keeps its size and place.
class TestReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit TestReportWindow(std::string appDir, QWidget* parent = nullptr);

private:
    // Asks where to save, writes the report with the list files, hides the window and says
    // where to send the report. Cancelling writes nothing.
    void saveReport();

    std::string appDir_;
    QPlainTextEdit* bugsEdit_;
    QPlainTextEdit* usefulEdit_;
    QPlainTextEdit* ideasEdit_;
};

} // namespace velkarn
