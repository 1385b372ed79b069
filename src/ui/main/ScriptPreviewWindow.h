#pragma once

#include "core/launch/GameLaunch.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velkarn {

// "Script": the command line and the exact script a launch would write, read-only, with a
// Copy button. It writes and starts nothing.
class ScriptPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ScriptPreviewWindow(const LaunchPreview& preview, QWidget* parent = nullptr);

private:
    QPlainTextEdit* scriptText_;
    QPushButton* copyButton_;
    QPushButton* closeButton_;
};

// Shows the preview modally through the dialog seam.
void showLaunchPreview(const LaunchPreview& preview);

} // namespace velkarn
