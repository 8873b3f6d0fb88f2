#pragma once
#include <string>

// Where the program finds its data: the application folder and the files in
// it. Paths use "/" and the folder always ends in "/".
extern std::string gsAppPath;          // the program's folder
extern std::string gsImagePath;        // gsAppPath + "Images/"
extern std::string gsReferenceDbPath;  // gsAppPath + "Orvamis.Mdb"
extern std::string gsTemplateDbPath;   // gsAppPath + "DATATEMP.MDB"

// Sets the four paths from the program's folder (a trailing "/" is added
// when missing).
void SubSetAppPaths(const std::string& folder);
