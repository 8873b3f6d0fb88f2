#include "foundation/basAppPaths.h"

std::string gsAppPath;
std::string gsImagePath;
std::string gsReferenceDbPath;
std::string gsTemplateDbPath;

void SubSetAppPaths(const std::string& folder)
{
    gsAppPath = folder;
    if (gsAppPath.empty() || gsAppPath.back() != '/')
        gsAppPath += '/';
    gsImagePath = gsAppPath + "Images/";
    gsReferenceDbPath = gsAppPath + "Orvamis.Mdb";
    gsTemplateDbPath = gsAppPath + "DATATEMP.MDB";
}
