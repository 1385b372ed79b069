#pragma once

#include "ui/widgets/LinkLabel.h"

#include <QDialog>
#include <QPushButton>

namespace velkarn {

// "About Velkarn...": version, credits, the link to new versions and the test report.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QPushButton* testReportButton;

    // Asks for the test report window (the program shows it).
    void showTestReport();

signals:
    void testReportRequested();
};

} // namespace velkarn
