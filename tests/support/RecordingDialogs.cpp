#include "support/RecordingDialogs.h"

#include <QDialog>

namespace velkarn::test {

RecordingDialogs::RecordingDialogs() {
    installDialogs(this);
}

RecordingDialogs::~RecordingDialogs() {
    installDialogs(nullptr);
}

void RecordingDialogs::showMessage(const std::string& text) {
    messages.push_back(text);
}

bool RecordingDialogs::askYesNo(const std::string& text) {
    questions.push_back(text);
    if (yesNoAnswers.empty())
        return true;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

namespace {

// The next answer given, or a cancelled dialog when none is left.
std::optional<std::string> nextAnswer(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty())
        return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<std::string> RecordingDialogs::askPassword(const std::string& text) {
    passwordQuestions.push_back(text);
    return nextAnswer(passwordAnswers);
}

std::optional<std::string> RecordingDialogs::askOpenFileName(const std::string&,
                                                             const std::string& folder,
                                                             const std::string&) {
    fileDialogFolders.push_back(folder);
    return nextAnswer(fileAnswers);
}

std::optional<std::string> RecordingDialogs::askSaveFileName(const std::string& caption,
                                                             const std::string& folder,
                                                             const std::string& filter,
                                                             const std::string&) {
    return askOpenFileName(caption, folder, filter);
}

std::optional<std::string> RecordingDialogs::askFolder(const std::string& caption,
                                                       const std::string& folder) {
    return askOpenFileName(caption, folder, "");
}

void RecordingDialogs::runModal(QDialog& dialog) {
    modalWindows.push_back(dialog.objectName().toStdString());
    if (onModal)
        onModal(dialog);
    dialog.hide();
}

} // namespace velkarn::test
