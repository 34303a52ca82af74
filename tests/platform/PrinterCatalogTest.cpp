#include "platform/print/PrinterCatalog.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class PrinterCatalogTest : public ::testing::Test {
protected:
    void TearDown() override { PrinterCatalog::useSystemPrinters(); }
};

}  // namespace

TEST_F(PrinterCatalogTest, AReplacedListAnswersNamesDefaultAndExistenceUntilTheSystemsListComesBack)
{
    PrinterCatalog::setPrinters({{"Büro", "Lager-Laser"}, "Lager-Laser"});
    EXPECT_EQ(PrinterCatalog::names(), QStringList({"Büro", "Lager-Laser"}));
    EXPECT_EQ(PrinterCatalog::defaultName(), QString("Lager-Laser"));
    EXPECT_TRUE(PrinterCatalog::exists("Büro"));
    EXPECT_FALSE(PrinterCatalog::exists("büro"));
    EXPECT_FALSE(PrinterCatalog::exists("Keller"));
    EXPECT_FALSE(PrinterCatalog::exists(""));
    PrinterCatalog::useSystemPrinters();
    EXPECT_FALSE(PrinterCatalog::exists("Büro"));
}
