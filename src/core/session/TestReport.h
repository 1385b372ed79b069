#pragma once

#include <string>

// The test report: the user's three answers followed by the program's list files, so that the
// maintainer sees the user's setup.
namespace velkarn {

// The headings of the three answers, also the window's labels.
extern const char* const ReportBugsHeading;   // "Bug(s) to report (if any) :"
extern const char* const ReportUsefulHeading; // "Did you find the program useful?"
extern const char* const ReportIdeasHeading;  // "Any ideas, suggestions?"

// The report text: each heading, its answer (line ends made CR LF) and a line end, then the
// contents of path.txt, bots.txt, maps.txt and models.txt from `appDir` (ending with "/"),
// line ends made CR LF, each followed by a line end. Throws FileOpenError naming the first list
// file that cannot be read.
std::string testReportText(const std::string& bugs, const std::string& useful,
                           const std::string& ideas, const std::string& appDir);

// Writes testReportText to `reportPath`, replacing the file. The text is built before the file
// is touched, so a missing list file (FileOpenError) leaves no partial report; a report file
// that cannot be written throws InOutError and leaves an older one as it was.
void writeTestReport(const std::string& reportPath, const std::string& bugs,
                     const std::string& useful, const std::string& ideas,
                     const std::string& appDir);

// The message shown after a saved report: where to send it only when the build names a contact.
std::string reportSavedMessage(const std::string& contact);
std::string reportSavedMessage();

} // namespace velkarn
