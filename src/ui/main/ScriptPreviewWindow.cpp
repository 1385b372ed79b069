#include "ui/main/ScriptPreviewWindow.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/LocalText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

namespace {

QString previewText(const LaunchPreview& preview) {
    std::string text =
        "Command line:\n" + preview.commandLine + "\n\nScript " + preview.scriptPath + ":\n";
    for (const std::string& line : preview.script)
        text += line + "\n";
    return local(text);
}

} // namespace

ScriptPreviewWindow::ScriptPreviewWindow(const LaunchPreview& preview, QWidget* parent)
    : QDialog(parent) {
    setObjectName("scriptPreviewWindow");
    setWindowTitle("Script");
    scriptText_ = named(new QPlainTextEdit(this), "scriptText");
    scriptText_->setReadOnly(true);
    spoken(scriptText_, "Command line and script");
    scriptText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    scriptText_->setFont(fixedPitchFont());
    scriptText_->setPlainText(previewText(preview));
    copyButton_ = namedButton("&Copy", "copyButton", this);
    closeButton_ = namedButton("C&lose", "closeButton", this, true);
    closeButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scriptText_, 1);
    layout->addLayout(buttons);
    resize(720, 420);

    connect(copyButton_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(scriptText_->toPlainText()); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void showLaunchPreview(const LaunchPreview& preview) {
    ScriptPreviewWindow window(preview, QApplication::activeWindow());
    dialogs().runModal(window);
}

} // namespace velkarn
