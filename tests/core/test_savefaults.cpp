// Every save of the program fails at each step of its atomic writer in turn: the previous file
// survives byte for byte, no temporary file is left, and the user gets the common error message.
// This program links its own file steps in place of the core's (see core/base/textfilewriter.h).
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

namespace fault {
enum class Step { None, Write, Flush, Close, Rename };
Step step = Step::None;
int occurrence = 1; // which write fails
int code = 0;       // its errno
int writes = 0;
bool fired = false;

bool now(Step s) {
    if (step != s || (s == Step::Write && ++writes != occurrence)) return false;
    fired = true;
    return true;
}
} // namespace fault

namespace kora::filestep {

std::size_t Write(const void* data, std::size_t size, std::FILE* file) {
    if (!fault::now(fault::Step::Write)) return std::fwrite(data, 1, size, file);
    const std::size_t half = std::fwrite(data, 1, size / 2, file); // a disk filling up
    errno = fault::code;
    return half;
}

int Flush(std::FILE* file) {
    if (!fault::now(fault::Step::Flush)) return std::fflush(file);
    errno = fault::code;
    return EOF;
}

int Close(std::FILE* file) {
    const int result = std::fclose(file);
    if (!fault::now(fault::Step::Close)) return result;
    errno = fault::code;
    return EOF;
}

int Rename(const std::string& from, const std::string& to) {
    if (fault::now(fault::Step::Rename)) return fault::code;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace kora::filestep

namespace kora {
namespace {

namespace fs = std::filesystem;
using fault::Step;

enum class Save { Project, Settings, Study };

struct FaultCase {
    const char* name;
    Save save;
    Step step;
    int occurrence;
    int code;
    const char* message; // nullptr: the save succeeds
    bool retry = false;  // the user answers Retry once
};

class SaveFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SaveFault, KeepsThePreviousFileAndLeavesNoTemporaryFile) {
    const FaultCase& c = GetParam();
    test::TempFolder dir;
    const char* name = c.save == Save::Project    ? "pit.KOR"
                       : c.save == Save::Settings ? "KORA.INI"
                                                  : SolidStudyFileName;
    const std::string previous = "the previous file\r\n";
    const std::string path = dir.write(name, previous);
    fault::step = c.step;
    fault::occurrence = c.occurrence;
    fault::code = c.code;
    fault::writes = 0;
    fault::fired = false;
    test::ScriptedMessenger m;
    if (c.retry) m.answers.push_back(mb::AnswerRetry);
    // As the command handlers run them: a failure that escapes goes to HandleError.
    try {
        ProjectRecord p = test::WorkedExample();
        WorkingSet w;
        PlanGeometry plan;
        GraphCurves curves;
        switch (c.save) {
        case Save::Project:
            p.ProjectPath = path;
            EXPECT_EQ(FileSave(p, m), c.message == nullptr);
            break;
        case Save::Settings:
            EXPECT_EQ(SaveSettings(Settings{}, RecentFiles{}, path, settingsPart::All, m),
                      c.message == nullptr || c.retry);
            break;
        case Save::Study:
            EXPECT_TRUE(DoParametricSolid(p, w, plan, curves, dir.folder(), m));
            break;
        }
    } catch (const KoraError& e) {
        HandleError(m, e);
    }
    fault::step = Step::None;

    EXPECT_EQ(fault::fired, c.step != Step::None);
    EXPECT_EQ(test::ReadBytes(path) == previous, c.message != nullptr && !c.retry);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    if (c.message != nullptr)
        EXPECT_EQ(m.texts(), std::vector<std::string>{c.message});
    else
        EXPECT_TRUE(m.boxes.empty());
}

constexpr const char* DiskFull = "Error occurred: Disk full (61)";

INSTANTIATE_TEST_SUITE_P(
    Steps, SaveFault,
    ::testing::Values(
        FaultCase{"ProjectSaved", Save::Project, Step::None, 0, 0, nullptr},
        FaultCase{"ProjectWrite", Save::Project, Step::Write, 1, ENOSPC, DiskFull},
        FaultCase{"ProjectFlush", Save::Project, Step::Flush, 0, ENOSPC, DiskFull},
        FaultCase{"ProjectClose", Save::Project, Step::Close, 0, EIO,
                  "Error occurred: Device I/O error (57)"},
        FaultCase{"ProjectRename", Save::Project, Step::Rename, 0, EACCES,
                  "Error occurred: Permission denied (70)"},
        FaultCase{"SettingsSaved", Save::Settings, Step::None, 0, 0, nullptr},
        FaultCase{"SettingsWrite", Save::Settings, Step::Write, 1, EFBIG, DiskFull},
        FaultCase{"SettingsWriteRetried", Save::Settings, Step::Write, 1, ENOSPC, DiskFull, true},
        FaultCase{"SettingsFlush", Save::Settings, Step::Flush, 0, EDQUOT, DiskFull},
        FaultCase{"SettingsClose", Save::Settings, Step::Close, 0, ENOSPC, DiskFull},
        FaultCase{"SettingsRename", Save::Settings, Step::Rename, 0, EXDEV,
                  "Error occurred: Path/File access error (75). Procedure Terminated"},
        FaultCase{"StudySaved", Save::Study, Step::None, 0, 0, nullptr},
        FaultCase{"StudyFirstWrite", Save::Study, Step::Write, 1, ENOSPC, DiskFull},
        FaultCase{"StudyWrite300", Save::Study, Step::Write, 300, ENOSPC, DiskFull},
        FaultCase{"StudyFlush", Save::Study, Step::Flush, 0, ENOSPC, DiskFull},
        FaultCase{"StudyClose", Save::Study, Step::Close, 0, ENOSPC, DiskFull},
        FaultCase{"StudyRename", Save::Study, Step::Rename, 0, EIO,
                  "Error occurred: Device I/O error (57)"}),
    test::CaseName{});

} // namespace
} // namespace kora
