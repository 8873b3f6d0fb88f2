#include "foundation/basAppPaths.h"

#include <gtest/gtest.h>

TEST(AppPaths, FolderGetsTrailingSlashAndDataFilesBelowIt)
{
    SubSetAppPaths("/opt/orvamis");
    EXPECT_EQ(gsAppPath, "/opt/orvamis/");
    EXPECT_EQ(gsImagePath, "/opt/orvamis/Images/");
    EXPECT_EQ(gsReferenceDbPath, "/opt/orvamis/Orvamis.Mdb");
    EXPECT_EQ(gsTemplateDbPath, "/opt/orvamis/DATATEMP.MDB");
    SubSetAppPaths("/opt/orvamis/");
    EXPECT_EQ(gsAppPath, "/opt/orvamis/");
}
