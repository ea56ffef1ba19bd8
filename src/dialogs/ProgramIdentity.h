#pragma once
// Who the program is: the names, version and contact addresses the about box and the update
// check show.

#include <string>

namespace quillbat {

struct ProgramIdentity {
    std::string title;  // also the name the update file lists the program under
    std::string productName;
    std::string fileDescription;
    std::string companyName;
    std::string legalCopyright;
    int major = 0;
    int minor = 0;
    int revision = 0;
    std::string webPage;
    std::string supportEmail;
};

// This build's identity; the version comes from the project version.
const ProgramIdentity& ThisProgram();

// "major.minor.revision" in plain decimal, as the update file writes versions.
std::string VersionNumber(const ProgramIdentity& program);
// "Version 1.3 build 002"; without " build ..." when the revision is 0.
std::string VersionLine(const ProgramIdentity& program);
// The product name, with " - " and the file description when the two differ.
std::string AboutTitle(const ProgramIdentity& program);
// The copyright, after the company name and an empty line when there is a company name.
std::string AboutDescription(const ProgramIdentity& program);

}  // namespace quillbat
