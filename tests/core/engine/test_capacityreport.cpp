#include "testprojects.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using test::EngineRun;
using test::WorkedExample;

bool contains(const std::string& s, const std::string& what) {
    return s.find(what) != std::string::npos;
}

TEST(CapacityReportTest, DesignLoadsAlignedToTheWidestValue) {
    ProjectRecord p = WorkedExample();
    p.NumEntries = 2;
    p.CenterDistance[1] = 60;
    p.DepthOfCover = 80;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    // 60 x 80 x 162 lb/ft under the development loading; the isolated loading has 7 digits.
    EXPECT_TRUE(contains(r.report.OutBuf[3],
                         "\r\n    Development Loading" + std::string(32, '.') + "  777,600\r\n"));
    EXPECT_TRUE(
        contains(r.report.OutBuf[3], "\r\n    Isolated Loading" + std::string(35, '.') + "1,1"));
}

} // namespace
} // namespace kora
