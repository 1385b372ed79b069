#include "ui/widgets/ScriptPreviewWindow.h"

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
    scriptText = named(new QPlainTextEdit(this), "scriptText");
    scriptText->setReadOnly(true);
    spoken(scriptText, "Command line and script");
    scriptText->setLineWrapMode(QPlainTextEdit::NoWrap);
    scriptText->setFont(fixedPitchFont());
    scriptText->setPlainText(previewText(preview));
    copyButton = namedButton("&Copy", "copyButton", this);
    closeButton = namedButton("C&lose", "closeButton", this, true);
    closeButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scriptText, 1);
    layout->addLayout(buttons);
    resize(720, 420);

    connect(copyButton, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(scriptText->toPlainText()); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void showLaunchPreview(const LaunchPreview& preview) {
    ScriptPreviewWindow window(preview, QApplication::activeWindow());
    dialogs().runModal(window);
}

} // namespace velkarn
