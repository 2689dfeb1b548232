// Every save fails at each step of the atomic writer in turn: the previous file survives byte for
// byte, no temporary file is left, and the user gets the common error message. This program links
// its own file steps in place of the core's (see core/base/textfilewriter.h).
#include "core/base/textfilewriter.h"
#include "core/engine/sweeps.h"
#include "core/project/projectfile.h"
#include "core/settings/recentfiles.h"
#include "core/settings/settingsfile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {
enum class Step { Write, Flush, Close, Rename };
// One failure, at the first call of the step (for a write, at the given write); none once fired.
struct Fault {
    Step step;
    int write = 1;
    int code = 0; // errno
    int writes = 0;
    bool fired = false;
    bool now(Step s) {
        if (fired || step != s || (s == Step::Write && ++writes < write)) return false;
        return fired = true;
    }
} fault{Step::Rename, 1, 0, 0, true};
} // namespace

namespace kora::filestep {
std::size_t Write(const void* data, std::size_t size, std::FILE* file) {
    if (!fault.now(Step::Write)) return std::fwrite(data, 1, size, file);
    errno = fault.code;
    return std::fwrite(data, 1, size / 2, file); // half of it, as on a disk filling up
}
int Flush(std::FILE* file) {
    return fault.now(Step::Flush) ? (errno = fault.code, EOF) : std::fflush(file);
}
int Close(std::FILE* file) {
    const int closed = std::fclose(file);
    return fault.now(Step::Close) ? (errno = fault.code, EOF) : closed;
}
int Rename(const std::string& from, const std::string& to) {
    if (fault.now(Step::Rename)) return fault.code;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
} // namespace kora::filestep

namespace kora {
namespace {

enum class Save { Project, Settings, Study };

struct FaultCase {
    const char* name;
    Save save;
    Fault fault;
    const char* message;
    bool retried = false; // the user answers Retry, and the second attempt succeeds
};

class SaveFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SaveFault, KeepsThePreviousFileAndLeavesNoTemporaryFile) {
    const FaultCase& c = GetParam();
    test::TempFolder dir;
    const std::string path = dir.write(c.save == Save::Project    ? "pit.KOR"
                                       : c.save == Save::Settings ? "KORA.INI"
                                                                  : SolidStudyFileName,
                                       "previous");
    fault = c.fault;
    test::ScriptedMessenger m;
    if (c.retried) m.answers.push_back(mb::AnswerRetry);
    ProjectRecord p = test::WorkedExample();
    p.ProjectPath = path;
    WorkingSet w;
    PlanGeometry plan;
    GraphCurves curves;
    try { // as the command handlers run them: a failure that escapes goes to HandleError
        if (c.save == Save::Project) FileSave(p, m);
        if (c.save == Save::Settings) {
            EXPECT_EQ(SaveSettings(Settings{}, RecentFiles{}, path, settingsPart::All, m),
                      c.retried);
        }
        if (c.save == Save::Study) DoParametricSolid(p, w, plan, curves, dir.folder(), m);
    } catch (const KoraError& e) {
        HandleError(m, e);
    }
    EXPECT_TRUE(fault.fired);
    EXPECT_EQ(test::ReadBytes(path) == "previous", !c.retried);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_EQ(m.texts(), std::vector<std::string>{c.message});
}

constexpr const char* DiskFull = "Error occurred: Disk full (61)";

INSTANTIATE_TEST_SUITE_P(
    Steps, SaveFault,
    ::testing::Values(
        FaultCase{"ProjectWrite", Save::Project, {Step::Write, 1, ENOSPC}, DiskFull},
        FaultCase{"ProjectFlush", Save::Project, {Step::Flush, 1, ENOSPC}, DiskFull},
        FaultCase{"ProjectClose",
                  Save::Project,
                  {Step::Close, 1, EIO},
                  "Error occurred: Device I/O error (57)"},
        FaultCase{"ProjectRename",
                  Save::Project,
                  {Step::Rename, 1, EACCES},
                  "Error occurred: Permission denied (70)"},
        FaultCase{"SettingsWrite", Save::Settings, {Step::Write, 1, EFBIG}, DiskFull},
        FaultCase{"SettingsRetried", Save::Settings, {Step::Write, 1, ENOSPC}, DiskFull, true},
        FaultCase{"SettingsFlush", Save::Settings, {Step::Flush, 1, EDQUOT}, DiskFull},
        FaultCase{"SettingsClose", Save::Settings, {Step::Close, 1, ENOSPC}, DiskFull},
        FaultCase{"SettingsRename",
                  Save::Settings,
                  {Step::Rename, 1, EXDEV},
                  "Error occurred: Path/File access error (75). Procedure Terminated"},
        FaultCase{"StudyWrite1", Save::Study, {Step::Write, 1, ENOSPC}, DiskFull},
        FaultCase{"StudyWrite300", Save::Study, {Step::Write, 300, ENOSPC}, DiskFull},
        FaultCase{"StudyFlush", Save::Study, {Step::Flush, 1, ENOSPC}, DiskFull},
        FaultCase{"StudyClose", Save::Study, {Step::Close, 1, ENOSPC}, DiskFull},
        FaultCase{"StudyRename",
                  Save::Study,
                  {Step::Rename, 1, EIO},
                  "Error occurred: Device I/O error (57)"}),
    test::CaseName{});

} // namespace
} // namespace kora
