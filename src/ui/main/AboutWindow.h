#pragma once

#include "ui/widgets/Legacy.h"

#include <QDialog>
#include <QPushButton>

namespace velkarn {

// "About Velkarn...": version, credits, the link to new versions and the test report.
class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget* parent = nullptr);

    TLegacy* lgAddress;
    QPushButton* butTestReport;

    void butTestReportClick();
};

} // namespace velkarn
