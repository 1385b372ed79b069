#pragma once

#include <QDialog>

namespace velkarn {

// "About Velkarn...": version, credits, the link to new versions and the test report.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

signals:
    // The Test Report button: the program shows the test report window.
    void testReportRequested();
};

} // namespace velkarn
