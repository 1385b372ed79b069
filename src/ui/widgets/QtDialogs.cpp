#include "ui/widgets/QtDialogs.h"

#include "ui/widgets/LocalText.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace velkarn {

namespace {

std::optional<std::string> chosen(const QString& fileName) {
    if (fileName.isEmpty())
        return std::nullopt;
    return bytes(fileName);
}

} // namespace

void QtDialogs::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), local(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text) {
    return QMessageBox::question(QApplication::activeWindow(),
                                 QApplication::applicationDisplayName(), local(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::askPassword(const std::string& text) {
    bool ok = false;
    const QString password =
        QInputDialog::getText(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                              local(text), QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return bytes(password);
}

std::optional<std::string> QtDialogs::askOpenFileName(const std::string& caption,
                                                      const std::string& folder,
                                                      const std::string& filter) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), local(caption),
                                               local(folder), local(filter)));
}

std::optional<std::string> QtDialogs::askFolder(const std::string& caption,
                                                const std::string& folder) {
    return chosen(QFileDialog::getExistingDirectory(QApplication::activeWindow(), local(caption),
                                                    local(folder)));
}

std::optional<std::string> QtDialogs::askSaveFileName(const std::string& caption,
                                                      const std::string& folder,
                                                      const std::string& filter,
                                                      const std::string& defaultSuffix) {
    QFileDialog dialog(QApplication::activeWindow(), local(caption), local(folder), local(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(local(defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

void QtDialogs::runModal(QDialog& dialog) {
    dialog.exec();
}

} // namespace velkarn
