// Starting programs through CreateProcessA: the text is the whole command line.
#include "TempFolder.h"
#include "platform/Process.h"

#include <gtest/gtest.h>

#include <thread>

TEST(LaunchWindows, startsACommandLineInTheGivenFolderOrNothing) {
  fw::test::TempFolder dir;
  dir.write("not a program.txt", "text");
  ASSERT_TRUE(fw::platform::launch("cmd.exe /c echo started> here.txt", dir.str()));
  for (int i = 0; i < 100 && !dir.has("here.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(dir.has("here.txt"));
  for (const std::string& line :
       {std::string(), dir.str() + "\\missing.exe", "\"" + dir.str() + "\\not a program.txt\""})
    EXPECT_FALSE(fw::platform::launch(line, dir.str())) << line;
}
