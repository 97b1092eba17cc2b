#include <gtest/gtest.h>

#include "base/Settings.h"
#include "support/FileFaultSweep.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

TEST(OptionsFileFaults, EveryFailingFileOperationKeepsTheOldFileAndIsReported) {
    test::TempFolder work;
    test::writeBytes(work / "Zorbaltwerk_Options.txt",
                     "'Deutsch'\r\n'D:\\RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    test::ScriptedDialogs dialogs;
    const int failures = test::runFaultSweep(
        {work.path(),
         {FileOperation::Create, FileOperation::Write, FileOperation::Flush, FileOperation::Rename},
         [&] {
             Settings settings;
             OptionsChoice choice{false, "E:\\Spiele\\RCT3", false, true};
             return writeOptionsFile(settings, choice, work.path(), dialogs) == OptionsWriteResult::Written;
         }},
        dialogs);
    EXPECT_EQ(failures, 4);
}

}  // namespace
}  // namespace zw
