#include "core/session/TestReport.h"

#include "core/platform/TextFile.h"

namespace velkarn {

const char* const ReportBugsHeading = "Bug(s) to report (if any) :";
const char* const ReportUsefulHeading = "Did you find the program useful?";
const char* const ReportIdeasHeading = "Any ideas, suggestions?";

namespace {

const char* const ListFiles[] = {"path.txt", "bots.txt", "maps.txt", "models.txt"};

// Every CR LF, lone CR and lone LF becomes CR LF; a final line end is kept.
std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::string testReportText(const std::string& bugs, const std::string& useful,
                           const std::string& ideas, const std::string& appDir) {
    std::string report;
    for (const auto& [heading, answer] :
         {std::pair{ReportBugsHeading, &bugs}, std::pair{ReportUsefulHeading, &useful},
          std::pair{ReportIdeasHeading, &ideas}}) {
        report += heading;
        report += "\r\n" + withCrLf(*answer) + "\r\n";
    }
    for (const char* name : ListFiles)
        report += withCrLf(readFileBytes(appDir + name)) + "\r\n";
    return report;
}

void writeTestReport(const std::string& reportPath, const std::string& bugs,
                     const std::string& useful, const std::string& ideas,
                     const std::string& appDir) {
    writeFileAtomic(reportPath, testReportText(bugs, useful, ideas, appDir), WriteErrorKind::InOut);
}

std::string reportSavedMessage(const std::string& contact) {
    if (contact.empty())
        return "Your test report is saved.";
    return "Your test report is saved. Please e-mail it to " + contact + ".";
}

std::string reportSavedMessage() {
    return reportSavedMessage(VELKARN_REPORT_CONTACT);
}

} // namespace velkarn
